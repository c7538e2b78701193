#include "editor/editor.h"

#include <algorithm>

#include "model/messages.h"
#include "practice/answer_check.h"
#include "render/coordinate_plane.h"
#include "storage/work_file.h"

Editor::Editor(EditorSurfaces surfaces, EditorView& view, EditorServices services,
               const PlaneSettings& planeSettings)
    : view_(view),
      services_(services),
      display_(surfaces, state_, work_, view, services.prompter, planeSettings),
      mouse_(state_, work_, display_, view, texts_, shown_, services.prompter, services.wait),
      list_(state_, work_, display_, mouse_, view, services.prompter, services.clipboard),
      options_(state_, work_, display_, view, texts_),
      files_(*this, state_, work_, shown_, display_, mouse_, view, services) {
  texts_.edtHeniki = Msg().IneqDesignText;
  work_.Reset(Msg().NewUnitTitle);
  work_.SetHistoryListener([this] {
    view_.HistoryChanged();
    KeepRecoveryCopy();
  });
}

void Editor::KeepRecoveryCopy() {
  recovery_.Keep(work_, shown_.title, shown_.filePath, !state_.NewFileFlag);
}

void Editor::StartRecoveryCopy() {
  if (state_.OnCDROM || !recovery_.Open(state_.ProgDirPath)) return;
  const std::optional<RecoveredWork> left = recovery_.Left();
  if (!left) {
    recovery_.Discard();
    return;
  }
  if (services_.prompter.Ask(Msg().RecoverQuestion) != Answer::Yes) {
    recovery_.Discard();
    return;
  }
  // The work comes back as it was left: unsaved, under its title and file name, and overwrite
  // writes that file only when it was the work's own.
  state_.NewFileFlag = !left->hasOwnFile;
  state_.CurTitle = left->title;
  state_.CurFileName = left->fileName.empty() ? kDefaultWorkFileName : left->fileName;
  shown_.title = state_.CurTitle;
  shown_.filePath = state_.CurFileName;
  work_.LoadUnsaved(left->curves, left->lines, state_.Options.Form());
  mouse_.ResetMouse();
  state_.DragMode = 0;
  display_.ClearPanels();
  view_.ListChanged();
  display_.DispAllLine();
  DispFileInfo(state_.CurTitle, state_.CurFileName, work_.Count());
}

void Editor::SetProgramFolder(const std::string& progDir, const std::string& progDirPath,
                              bool onCdRom) {
  state_.ProgDir = progDir;
  state_.ProgDirPath = progDirPath;
  state_.OnCDROM = onCdRom;
}

void Editor::SetLayout(int32_t windowWidth, int32_t windowHeight, int32_t maxCoodSize) {
  display_.SetWindowSize(windowWidth, windowHeight);
  state_.MaxCoodSize = maxCoodSize;
}

void Editor::FormShow() {
  state_.PanelLineHeight = 20;
  state_.PanelTextColor = 0xFFFFFF;
  state_.PanelBackColor = 0x808000;
  state_.BitmapPasted = false;
  ResetWork(Msg().NewUnitTitle, state_.CurFileName, true);
  mouse_.ResetMouse();
  options_.SetLineMode(kModeWhole);
  state_.NewFileFlag = true;
}

void Editor::ResetWork(const std::string& title, const std::string& fileName, bool resetKinds) {
  StartEmpty(title, fileName, resetKinds, false);
}

void Editor::StartEmpty(const std::string& title, const std::string& fileName, bool resetKinds,
                        bool asChange) {
  if (resetKinds) {
    state_.SenbunKind = 0;
    state_.HanchokusenKind = 0;
  }
  state_.MaruRadius = options_.MaruRadSetting();
  state_.TensenFlag = state_.Options.chkTensen;
  state_.ColorIndex = 0;
  display_.RefreshSample();
  AbandonPendingCurve(state_);
  state_.DragMode = 0;
  // The file text starts with the title the work keeps: erasing every curve of a named work
  // leaves its name in the unit contents window as well as in the labels.
  if (asChange) {
    work_.EraseAll(title);
  } else {
    work_.Reset(title);
  }
  display_.RedrawPlane();
  display_.ClearPanels();
  view_.ListChanged();
  DispFileInfo(title, fileName, 0);
  display_.Surfaces().imgCood.SetPenMode(PenMode::NotXor);
  display_.Show();
}

void Editor::DispFileInfo(const std::string& title, const std::string& fileName, int32_t count) {
  shown_.title = title;
  shown_.filePath = fileName;
  shown_.count = count;
  view_.FileInfoChanged();
  KeepRecoveryCopy();
}

void Editor::EraseAll() {
  if (!work_.Empty() && services_.prompter.Ask(Msg().EraseAllQuestion) != Answer::Yes) return;
  StartEmpty(shown_.title, state_.CurFileName, false, true);
}

void Editor::Undo() { StepHistory(true); }

void Editor::Redo() { StepHistory(false); }

void Editor::StepHistory(bool back) {
  if (!(back ? work_.CanUndo() : work_.CanRedo())) return;
  // The curve being placed or dragged was made from the work as it stands.
  if (state_.DrawState > 0 || state_.DragMode != 0) {
    services_.prompter.Message(Msg().NoUndoMidway);
    return;
  }
  if (back) {
    work_.Undo();
  } else {
    work_.Redo();
  }
  // A handle target may name a curve that is no longer there.
  mouse_.ResetMouse();
  display_.ClearPanels();
  view_.ListChanged();
  display_.DispAllLine();
  if (work_.TitleStepped()) TakeTitleLine();
  DispFileInfo(shown_.title, shown_.filePath, work_.Count());
}

void Editor::TakeTitleLine() {
  if (work_.Buffer().Lines().empty()) return;
  state_.CurTitle = work_.Buffer().Lines().front();
  shown_.title = state_.CurTitle;
  // The copy was kept as the change ended, still under the title before.
  KeepRecoveryCopy();
}

namespace {

bool AnyWithDomain(const std::vector<TLineData>& lines) {
  return std::any_of(lines.begin(), lines.end(),
                     [](const TLineData& line) { return line.LMode != kModeWhole; });
}

}  // namespace

bool Editor::CanPractise(const std::vector<TLineData>& questions) {
  if (questions.empty()) {
    services_.prompter.Message(Msg().NoTestData);
    return false;
  }
  if (AnyWithDomain(questions)) {
    services_.prompter.Message(Msg().DomainNotTestable);
    return false;
  }
  // A constant of 0 (a hand-edited point on an axis, or a product that wraps to 0) makes the
  // axes the question's curve: any click on an axis would be marked right.
  const int32_t zero = FirstWithZeroConstant(questions, state_.Options.Form());
  if (zero >= 0) {
    services_.prompter.Message("(" + std::to_string(zero + 1) + Msg().ZeroConstantTail);
    return false;
  }
  // A question with no lattice point on the practice plane could never be answered right, and
  // its run could never end.
  static const PlaneSettings kDefaultSettings;
  const PlaneGeometry plane = ComputePlaneGeometry(
      display_.Settings(), practiceSettings_ != nullptr ? *practiceSettings_ : kDefaultSettings,
      state_.MaxCoodSize);
  const int32_t q = FirstUnanswerable(questions, plane, state_.Options.Form());
  if (q >= 0) {
    services_.prompter.Message("(" + std::to_string(q + 1) + Msg().NoLatticePointTail);
    return false;
  }
  return true;
}

void Editor::TestCommand() {
  if (!CanPractise(work_.Curves())) return;
  state_.TestMode = true;
  PracticeSet set;
  set.curves = work_.Curves();
  // The practice window's caption names the work under test; a test writes no record.
  set.unitName = shown_.title;
  set.testMode = true;
  services_.windows.ShowPractice(set);
  display_.DispAllLine();
}

void Editor::PracticeCommand() {
  state_.OpenForEdit = false;
  state_.TestMode = false;
  // The open-by-unit window shows the main plane empty; whatever it ends with, the editor's
  // own curves come back.
  display_.RedrawPlane();
  display_.Show();
  const std::optional<PracticeSet> set = services_.windows.ChooseUnitForPractice();
  display_.DispAllLine();
  if (!set || !CanPractise(set->curves)) return;
  services_.windows.ShowPractice(*set);
  display_.DispAllLine();
}

bool Editor::TakeUnitContents(const std::string& text) {
  const std::string titleLine =
      work_.Buffer().Lines().empty() ? std::string() : work_.Buffer().Lines().front();
  switch (LoadEditedText(text, shown_.filePath, state_.Options.Form(), services_.prompter, work_)) {
    case EditedText::Unchanged:
      return true;
    case EditedText::Refused:
      return false;
    case EditedText::Taken:
      break;
  }
  mouse_.ResetMouse();
  state_.DragMode = 0;
  display_.ClearPanels();
  view_.ListChanged();
  display_.DispAllLine();
  // An edited first line is the work's new unit title: the next save writes it, not the old one.
  if (work_.Buffer().Lines().front() != titleLine) TakeTitleLine();
  DispFileInfo(shown_.title, shown_.filePath, work_.Count());
  return true;
}
