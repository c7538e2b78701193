#include "editor/file_commands.h"

#include "library/unit_library.h"
#include "model/messages.h"
#include "storage/file_access.h"
#include "storage/work_file.h"

namespace {

// Where the save dialog starts and what it proposes: a work read from or saved to a file lives
// on in that file's folder (a teacher's own folder or stick); a new work goes to the unit library.
FileDialogRequest SaveDialogFor(const std::string& filter, const std::string& curFileName,
                                bool hasOwnFile, const std::string& library) {
  const std::size_t slash = curFileName.find_last_of('/');
  const std::string name = slash == std::string::npos ? curFileName : curFileName.substr(slash + 1);
  if (hasOwnFile && slash != std::string::npos && PathTaken(curFileName)) {
    return FileDialogRequest{filter, curFileName.substr(0, slash + 1), name};
  }
  return FileDialogRequest{filter, library, name};
}

}  // namespace

FileCommands::FileCommands(FileCommandHost& host, EditorState& state, Work& work,
                           const ShownFileInfo& shown, EditorDisplay& display, PlaneMouse& mouse,
                           EditorView& view, EditorServices services)
    : host_(host),
      state_(state),
      work_(work),
      shown_(shown),
      display_(display),
      mouse_(mouse),
      view_(view),
      services_(services) {}

SaveResult FileCommands::SaveWithDialog(bool ask, const std::string& confirmedTitle) {
  EditorState& state = state_;
  Work& work = work_;
  Prompter& prompter = services_.prompter;
  if (ask) {
    if (!work.NeedSave()) return SaveResult::NotSaved;
    switch (prompter.Ask(Msg().SaveCurrentData, true)) {
      case Answer::Yes:
        break;
      case Answer::No:
        return SaveResult::NotSaved;
      case Answer::Cancel:
        return SaveResult::Cancelled;
    }
  }
  // The dialog starts in the unit library; the first save of a program without one makes it.
  const std::string library = UnitLibraryPath(state.ProgDirPath);
  MakeFolder(library);
  const std::optional<std::string> chosen = prompter.ChooseSaveFile(
      SaveDialogFor(Msg().SaveFilter, state.CurFileName, !state.NewFileFlag, library));
  if (!chosen) return SaveResult::Cancelled;
  const std::string title = ask ? shown_.title : confirmedTitle;
  const std::string name = CheckFileName(*chosen, prompter);
  // Declining to replace a file ends the command as cancelling does: nothing is written and
  // the work keeps its own name, so no later command writes to the declined file unasked.
  if (PathTaken(name)) {
    const Answer replace = prompter.Ask(DisplayName(name) + Msg().OverwriteTail, true);
    if (replace == Answer::Cancel) return SaveResult::Cancelled;
    if (replace == Answer::No) return SaveResult::Declined;
  }
  if (!SaveLineFile(title, name, work.BufferForSave(), prompter)) return SaveResult::Failed;
  work.MarkSaved();
  // The work now has a file of its own: the next overwrite writes it without asking again.
  state.NewFileFlag = false;
  state.CurTitle = title;
  state.CurFileName = name;
  host_.DispFileInfo(title, name, work.Count());
  return SaveResult::Saved;
}

void FileCommands::NewFile() {
  EditorState& state = state_;
  const SaveResult saved = SaveWithDialog(true, std::string());
  // A New the user called off still leaves the work to be named at its next overwrite; one that
  // ended in a declined replacement or a failed write leaves everything as it was.
  if (saved == SaveResult::Cancelled) state.NewFileFlag = true;
  if (Ends(saved)) return;
  // The new work has no file yet: neither the caption nor a later save-as may offer the name
  // of the work it replaced.
  state.CurTitle = Msg().NewUnitTitle;
  state.CurFileName = state.ProgDirPath + kDefaultWorkFileName;
  host_.ResetWork(state.CurTitle, state.CurFileName, true);
  state.NewFileFlag = true;
}

void FileCommands::OpenByUnit() {
  EditorState& state = state_;
  EditorDisplay& display = display_;
  state.OpenForEdit = true;
  display.RedrawPlane();
  display.Show();
  const std::optional<std::string> chosen = services_.windows.ChooseUnitForEditing();
  if (!chosen || Ends(SaveWithDialog(true, std::string()))) {
    display.DispAllLine();
    return;
  }
  Load(UnitLibraryPath(state.ProgDirPath) + *chosen);
}

void FileCommands::OpenFile() {
  if (Ends(SaveWithDialog(true, std::string()))) return;
  const std::optional<std::string> chosen = services_.prompter.ChooseOpenFile(
      FileDialogRequest{Msg().OpenFilter, UnitLibraryPath(state_.ProgDirPath), std::string()});
  if (chosen) Load(*chosen);
}

bool FileCommands::Load(const std::string& path) {
  EditorState& state = state_;
  Work& work = work_;
  EditorDisplay& display = display_;
  // The work is named by the file actually read: "foo" chosen opens "foo.mvr", and a later
  // overwrite must replace that file, not another one called "foo".
  std::string readName;
  const int32_t count =
      LoadLineFile(path, state.Options.Form(), services_.prompter, work, &readName);
  if (count <= 0) {
    display.DispAllLine();
    return false;
  }
  // A curve waiting for its domain or a drag belongs to the work that was replaced.
  mouse_.ResetMouse();
  state.DragMode = 0;
  display.ClearPanels();
  view_.ListChanged();
  display.DispAllLine();
  state.CurTitle = work.Buffer().Lines().front();
  state.CurFileName = readName;
  host_.DispFileInfo(state.CurTitle, readName, count);
  state.NewFileFlag = false;
  return true;
}

void FileCommands::OverWrite() {
  EditorState& state = state_;
  Work& work = work_;
  if (work.Empty()) {
    services_.prompter.Message(Msg().NoDataToSave);
    return;
  }
  if (state.NewFileFlag) {
    if (SaveAs() == SaveResult::Saved) state.NewFileFlag = false;
    return;
  }
  const ShownFileInfo& shown = shown_;
  if (SaveLineFile(shown.title, shown.filePath, work.BufferForSave(), services_.prompter)) {
    work.MarkSaved();
  }
}

SaveResult FileCommands::SaveAs() {
  if (work_.Empty()) {
    services_.prompter.Message(Msg().NoDataToSave);
    return SaveResult::NotSaved;
  }
  const std::optional<std::string> title = services_.windows.AskUnitName(shown_.title);
  if (!title) return SaveResult::Cancelled;
  return SaveWithDialog(false, *title);
}
