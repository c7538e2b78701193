// The editor's file commands: a new work, opening a work by its unit title or through the open
// dialog, overwriting the open work's file and saving it under a new unit name and file name,
// with the questions that guard unsaved curves and existing files. A command that is cancelled,
// declined or whose save fails changes nothing: the work, its title, its file name and whether
// it has a file of its own stay as they were.
#pragma once

#include <cstdint>
#include <string>

#include "editor/editor_display.h"
#include "editor/editor_view.h"
#include "editor/plane_mouse.h"
#include "model/editor_state.h"
#include "storage/work.h"

// What the file commands ask of the editor they belong to, beyond its parts: starting a work
// afresh and showing the open work's title, file name and count.
class FileCommandHost {
 public:
  virtual void ResetWork(const std::string& title, const std::string& fileName,
                         bool resetKinds) = 0;
  virtual void DispFileInfo(const std::string& title, const std::string& fileName,
                            int32_t count) = 0;

 protected:
  ~FileCommandHost() = default;
};

// How the save flow ended.
enum class SaveResult {
  Saved,      // written; the work now has this title and file name
  NotSaved,   // nothing to save, or the user chose not to: the command goes on
  Cancelled,  // the user stopped: the command ends
  Declined,   // the user declined to replace a file: the command ends, the work keeps its name
  Failed,     // the write failed and was reported: the command ends
};

class FileCommands {
 public:
  FileCommands(FileCommandHost& host, EditorState& state, Work& work, const ShownFileInfo& shown,
               EditorDisplay& display, PlaneMouse& mouse, EditorView& view,
               EditorServices services);

  // 新規作成: after the question about unsaved curves, an empty work under the new-unit title.
  void NewFile();
  // 単元名で開く: a unit chosen by its title, after the question about unsaved curves.
  void OpenByUnit();
  // 開く: a file chosen in the open dialog, after the question about unsaved curves.
  void OpenFile();
  // 上書き保存: writes the open work's file; a work without a file of its own is saved as.
  void OverWrite();
  // 名前を付けて保存: the unit name, then the save dialog.
  SaveResult SaveAs();
  // The save dialog and the write, shared by every command. With ask, the user is first asked
  // whether to save changed curves and the work keeps its shown title; without, the title is
  // the unit name just confirmed.
  SaveResult SaveWithDialog(bool ask, const std::string& confirmedTitle);

 private:
  // Reads the file into the work and shows it; false (the editor's work redrawn) when the
  // reader refused it.
  bool Load(const std::string& path);
  bool Ends(SaveResult result) const {
    return result == SaveResult::Cancelled || result == SaveResult::Declined ||
           result == SaveResult::Failed;
  }

  FileCommandHost& host_;
  EditorState& state_;
  Work& work_;
  const ShownFileInfo& shown_;
  EditorDisplay& display_;
  PlaneMouse& mouse_;
  EditorView& view_;
  EditorServices services_;
};
