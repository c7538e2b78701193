// The graph editor without its window: the open work, the editor's state, and its parts — the
// redraw and panels, the plane's click-and-drag machine, the graph list's commands and the
// options — plus the commands that start a work afresh and hand curves to practice. The main
// window turns Qt events into calls on these and shows what it is told through EditorView;
// tests drive it with recording canvases and scripted answers. The state is read through the
// accessors and changed only through the parts' operations.
#pragma once

#include <cstdint>
#include <string>

#include "editor/editor_display.h"
#include "editor/editor_options.h"
#include "editor/editor_view.h"
#include "editor/file_commands.h"
#include "editor/graph_list.h"
#include "editor/plane_mouse.h"
#include "model/editor_state.h"
#include "render/plane_settings.h"
#include "storage/recovery_copy.h"
#include "storage/work.h"

class Editor : public FileCommandHost {
 public:
  Editor(EditorSurfaces surfaces, EditorView& view, EditorServices services,
         const PlaneSettings& planeSettings);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  const EditorState& State() const { return state_; }
  const Work& OpenWork() const { return work_; }
  const PlaneGeometry& Geometry() const { return display_.Geometry(); }
  const ToolBarTexts& Texts() const { return texts_; }
  const ShownFileInfo& ShownFile() const { return shown_; }

  EditorDisplay& Display() { return display_; }
  PlaneMouse& Mouse() { return mouse_; }
  GraphList& List() { return list_; }
  EditorOptions& Options() { return options_; }
  FileCommands& Files() { return files_; }

  // Set-up from the window: the program folder (CP932 and as the platform names it) and whether
  // it lies on a read-only medium; the window's size and the largest plane it allows.
  void SetProgramFolder(const std::string& progDir, const std::string& progDirPath, bool onCdRom);
  void SetLayout(int32_t windowWidth, int32_t windowHeight, int32_t maxCoodSize);
  void UsePlaneSettings(const PlaneSettings& settings) { display_.UsePlaneSettings(settings); }
  // The settings the practice plane is drawn from (the hidden second settings window).
  void UsePracticePlaneSettings(const PlaneSettings& settings) { practiceSettings_ = &settings; }

  // First show: panel colours, an empty work, the idle pointer and whole-curve mode.
  void FormShow();
  // An empty, saved work showing this title and file name; resetKinds also resets the
  // inequality kinds of the next curve.
  void ResetWork(const std::string& title, const std::string& fileName, bool resetKinds) override;
  void DispFileInfo(const std::string& title, const std::string& fileName, int32_t count) override;
  // 全部消去: asks when there are curves, then empties the work under its shown title (a change
  // that can be undone).
  void EraseAll();
  // 元に戻す / やり直し: the work before the last change, or again after it; refused while a
  // curve waits for its domain or a handle is dragged.
  void Undo();
  void Redo();

  // テスト: the editor's curves as a test, unless empty or holding a curve with a domain.
  void TestCommand();
  // 練習: a test file chosen by unit title, unless it holds a curve with a domain.
  void PracticeCommand();

  // From now on a copy of the unsaved curves is kept in the program folder (unless it lies on a
  // read-only medium); a work that an earlier run there left unsaved is offered back once.
  void StartRecoveryCopy();

  // The unit contents view closed with its text (CP932) edited: valid text becomes the work,
  // unsaved, and an edited first line its unit title; text the editor's reader refuses is
  // reported and changes nothing. False when refused.
  bool TakeUnitContents(const std::string& text);

 private:
  friend class EditorTestAccess;  // tests put many curves in place without a redraw each

  // An empty work under this title: a new work with a fresh history, or (asChange) every curve
  // erased as one step of the history.
  void StartEmpty(const std::string& title, const std::string& fileName, bool resetKinds,
                  bool asChange);
  // One step back or forward, with the plane, list, panels and count shown afresh.
  void StepHistory(bool back);
  // The work's title line, edited in the unit contents or brought back by undo, as its title.
  void TakeTitleLine();
  // Whether the practice window can pose these questions; tells the user why not.
  bool CanPractise(const std::vector<TLineData>& questions);
  // After every change of the work or of its name: the recovery copy follows.
  void KeepRecoveryCopy();

  EditorState state_;
  RecoveryCopy recovery_;
  Work work_;
  ToolBarTexts texts_;
  ShownFileInfo shown_;
  const PlaneSettings* practiceSettings_ = nullptr;
  EditorView& view_;
  EditorServices services_;
  EditorDisplay display_;
  PlaneMouse mouse_;
  GraphList list_;
  EditorOptions options_;
  FileCommands files_;
};
