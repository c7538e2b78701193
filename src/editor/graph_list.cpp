#include "editor/graph_list.h"

#include "model/messages.h"

GraphList::GraphList(EditorState& state, Work& work, EditorDisplay& display, PlaneMouse& mouse,
                     EditorView& view, Prompter& prompter, Clipboard& clipboard)
    : state_(state),
      work_(work),
      display_(display),
      mouse_(mouse),
      view_(view),
      prompter_(prompter),
      clipboard_(clipboard) {}

bool GraphList::RightPress(int32_t row) {
  if (work_.Empty() || row < 0 || row >= work_.Count()) return false;
  if (!work_.IsSelected(row)) work_.SelectOnly(row);
  view_.ListChanged();
  display_.DispAllLine();
  return true;
}

void GraphList::Press(bool ctrl) {
  display_.DispAllLine();
  AbandonPendingCurve(state_);
  if (ctrl) display_.ClearPanels();
}

void GraphList::SelectionChanged(const std::vector<bool>& selected) {
  work_.SetSelection(selected);
  view_.ListChanged();
  display_.DispAllLine();
}

void GraphList::SelectOnlyRow(int32_t row) {
  work_.SelectOnly(row);
  view_.ListChanged();
  display_.DispAllLine();
}

void GraphList::SelectAll() {
  work_.SelectAll();
  view_.ListChanged();
  display_.DispAllLine();
}

void GraphList::CancelSelection() {
  work_.DeselectAll();
  view_.ListChanged();
  display_.DispAllLine();
  display_.ClearPanels();
}

void GraphList::DeleteSelected() {
  if (work_.Empty()) {
    display_.RedrawPlane();
    display_.ClearPanels();
    mouse_.ResetMouse();
    return;
  }
  if (state_.DrawState > 0) {
    mouse_.ResetMouse();
    display_.DispAllLine();
    return;
  }
  work_.DeleteSelected();
  // A handle target may now point past the list; it no longer names a curve.
  if (state_.TargetIndex >= work_.Count()) state_.TargetIndex = -1;
  view_.ListChanged();
  display_.DispAllLine();
  display_.ClearPanels();
  state_.DrawState = 0;
}

void GraphList::ChangeColorOfSelected() {
  const auto chosen = prompter_.ChooseColor(kAutoColor);
  if (!chosen || *chosen == kAutoColor) return;
  const Work::Change change(work_);
  for (int32_t i = 0; i < work_.Count(); ++i) {
    if (work_.IsSelected(i)) work_.Restyle(i, *chosen, work_.Curve(i).LWidth);
  }
  display_.DispAllLine();
  if (state_.FixedColor == kAutoColor) state_.ColorIndex = work_.Count();
  view_.ListChanged();
  display_.RefreshPanels();
}

void GraphList::ChangeWidthOfSelected(int32_t width) {
  const Work::Change change(work_);
  for (int32_t i = 0; i < work_.Count(); ++i) {
    if (work_.IsSelected(i)) work_.Restyle(i, work_.Curve(i).Color, width);
  }
  display_.DispAllLine();
}

void GraphList::SetFixedColor() {
  if (state_.DrawState == 1) {
    prompter_.Message(Msg().NoColorMidway);
    return;
  }
  const auto chosen = prompter_.ChooseColor(state_.FixedColor);
  if (!chosen) return;
  state_.FixedColor = *chosen;
  const Work::Change change(work_);
  for (int32_t i = 0; i < work_.Count(); ++i) {
    const int32_t color = state_.FixedColor != kAutoColor
                              ? state_.FixedColor
                              : ColorTable[static_cast<std::size_t>(i % 16)];
    work_.Restyle(i, color, work_.Curve(i).LWidth);
  }
  display_.DispAllLine();
  if (state_.FixedColor == kAutoColor) state_.ColorIndex = work_.Count();
  display_.RefreshSample();
  view_.ListChanged();
  display_.Show();
}

void GraphList::PasteBitmap() {
  if (!clipboard_.DrawImageOn(display_.Surfaces().imgCood)) {
    prompter_.Message(Msg().NoClipboardPicture);
    return;
  }
  state_.BitmapPasted = true;
  display_.Show();
}

void GraphList::ClearBitmap() {
  if (!state_.BitmapPasted) return;
  if (prompter_.Ask(Msg().ClearBitmapQuestion) != Answer::Yes) return;
  state_.BitmapPasted = false;
  display_.DispAllLine();
}

void GraphList::CopyPlane() { clipboard_.PutImage(display_.Surfaces().imgCood); }
