#include "editor/plane_mouse.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "model/messages.h"
#include "render/curve_plot.h"

namespace {

std::string LimitMessage() { return Msg().LimitHead + std::to_string(kMaxLines) + Msg().LimitTail; }

}  // namespace

PlaneMouse::PlaneMouse(EditorState& state, Work& work, EditorDisplay& display, EditorView& view,
                       ToolBarTexts& texts, ShownFileInfo& shown, Prompter& prompter,
                       HoldWait& wait)
    : state_(state),
      work_(work),
      display_(display),
      view_(view),
      texts_(texts),
      shown_(shown),
      prompter_(prompter),
      wait_(wait) {}

void PlaneMouse::MouseDown(MouseButton button, int32_t px, int32_t py) {
  state_.LastButton = button;
  state_.ButtonHeld = true;
  // While the wait lets the release through, no drop may happen. A press still held after
  // 300 ms is a held press; a release ends the wait at once, so a click acts at once.
  const int32_t dragMode = state_.DragMode;
  state_.DragMode = 0;
  wait_.WaitFor(300, [this] { return !state_.ButtonHeld; });
  state_.DragMode = dragMode;

  if (button == MouseButton::Left) {
    if (!state_.ButtonHeld) CoodClick(px, py);
    return;
  }
  state_.DownPoint = display_.Geometry().PixelToLattice(px, py);
  const Hit hit = HitHandle(state_.DownPoint);
  state_.TargetIndex = hit.index;
  state_.TargetHandle = hit.handle;
  if (hit.index < 0) return;
  if (work_.Curve(hit.index).LMode != kModeWhole) {
    prompter_.Message(Msg().DomainCurveDrag);
    return;
  }
  if (state_.ButtonHeld) {
    view_.SetPlaneCursor(kCursorFinger);
    StartDrag();
  } else if (hit.handle == 1) {
    work_.SelectOnly(hit.index);
    view_.ListChanged();
    display_.DispAllLine();
  }
}

void PlaneMouse::MouseUp(MouseButton button, int32_t px, int32_t py) {
  state_.ButtonHeld = false;
  if (state_.DragMode == 2 && button != MouseButton::Left) {
    state_.LastButton = button;
    DropHandle(px, py);
    display_.DispAllLine();
    ResetMouse();
    state_.DragMode = 0;
  }
}

void PlaneMouse::MouseMove(int32_t px, int32_t py) {
  state_.MousePoint = display_.Geometry().PixelToLattice(px, py);
  char text[32];
  std::snprintf(text, sizeof text, " (%3d,%3d)", state_.MousePoint.x, state_.MousePoint.y);
  texts_.edtCood = text;
  view_.TextsChanged();
  if (state_.DragMode != 0 && !(state_.MousePoint == state_.PrevPoint)) {
    state_.WorkLine.X1 = state_.PrevPoint.x;
    state_.WorkLine.Y1 = state_.PrevPoint.y;
    display_.DrawOnPlane(state_.WorkLine);  // not-xor: removes the previous picture
    state_.WorkLine.X1 = state_.MousePoint.x;
    state_.WorkLine.Y1 = state_.MousePoint.y;
    display_.DrawOnPlane(state_.WorkLine);
    state_.PrevPoint = state_.MousePoint;
    display_.Show();
  }
}

void PlaneMouse::DoubleClick(MouseButton button, int32_t px, int32_t py) {
  // The first press of a double click has already made its click. The second press counts
  // only while a domain click is awaited, and then at the place it was made: a double click
  // never makes a second, identical curve, nor one anywhere the user did not click.
  if (button != MouseButton::Left || state_.DragMode != 0 || state_.DrawState == 0) return;
  view_.SetPlaneCursor(kCursorArrow);
  MouseDown(button, px, py);
}

void PlaneMouse::FormMouseMove() {
  if (state_.DrawState > 0 || state_.DragMode != 0) {
    display_.DispAllLine();
    view_.SetPlaneCursor(kCursorPencil);
    AbandonPendingCurve(state_);
    state_.DragMode = 0;
  }
}

void PlaneMouse::CoodClick(int32_t px, int32_t py) {
  const LatticePoint p = display_.Geometry().PixelToLattice(px, py);
  if (state_.DrawState == 0) {
    if (work_.Count() >= kMaxLines) {
      prompter_.Message(LimitMessage());
      return;
    }
    if (p.x == 0 || p.y == 0) {
      prompter_.Message(Msg().ZeroConstant);
      ResetMouse();
      return;
    }
    state_.WorkLine = MakeLine(p);
    // Only a curve that waits for its domain is previewed whole; a whole curve is registered at
    // once, and a preview flag left behind would draw every half-line as a whole curve.
    state_.PreviewWhole = state_.WorkLine.LMode != kModeWhole;
    state_.PrevPoint = p;
    state_.WorkLine.Shiki = EquationText(state_.WorkLine, state_.Options.Form());
    if (state_.WorkLine.LMode == kModeWhole) {
      RegistLine(state_.WorkLine, state_.TargetIndex);
      ResetMouse();
      return;
    }
    display_.DrawOnPlane(state_.WorkLine);
    view_.SetPlaneCursor(state_.WorkLine.LMode == kModeLeft ? kCursorBracketLeft
                                                            : kCursorBracketRight);
    state_.DrawState = 1;
    display_.Show();
    return;
  }

  if (p.x == 0 && prompter_.Ask(Msg().DomainEndAtZero) != Answer::Yes) return;

  Canvas& plane = display_.Surfaces().imgCood;
  if (state_.DrawState == 1) {
    switch (state_.WorkLine.LMode) {
      case kModeSegment:
        view_.SetPlaneCursor(kCursorBracketLeft);
        state_.WorkLine.HenikiStart = p.x;
        state_.WorkLine.HenikiEnd = kOpenRight;
        DrawCutMark(plane, display_.Geometry(), p.x, state_.WorkLine);
        state_.DrawState = 2;
        display_.Show();
        return;
      case kModeRight:
        view_.SetPlaneCursor(kCursorBracketRight);
        state_.WorkLine.HenikiStart = p.x;
        state_.WorkLine.HenikiEnd = kOpenRight;
        Commit();
        return;
      case kModeLeft:
        view_.SetPlaneCursor(kCursorBracketLeft);
        state_.WorkLine.HenikiStart = kOpenLeft;
        state_.WorkLine.HenikiEnd = p.x;
        Commit();
        return;
      default:
        ResetMouse();
        return;
    }
  }

  // Second click of a segment.
  view_.SetPlaneCursor(kCursorBracketRight);
  if (p.x == state_.WorkLine.HenikiStart) {
    prompter_.Message(Msg().BadDomain);
    state_.PreviewWhole = false;
    ResetMouse();
    display_.DispAllLine();
    return;
  }
  DrawCutMark(plane, display_.Geometry(), state_.WorkLine.HenikiStart, state_.WorkLine);
  if (state_.WorkLine.HenikiStart < p.x) {
    state_.WorkLine.HenikiEnd = p.x;
  } else {
    state_.WorkLine.HenikiEnd = state_.WorkLine.HenikiStart;
    state_.WorkLine.HenikiStart = p.x;
  }
  Commit();
}

void PlaneMouse::Commit() {
  state_.WorkLine.Shiki = EquationText(state_.WorkLine, state_.Options.Form());
  state_.PreviewWhole = false;
  RegistLine(state_.WorkLine, state_.TargetIndex);
  ResetMouse();
}

TLineData PlaneMouse::MakeLine(LatticePoint p) {
  TLineData line;
  line.LMode = state_.LineMode;
  line.LWidth = state_.LineWidth;
  line.IncStart = state_.CurIncStart;
  line.IncEnd = state_.CurIncEnd;
  line.Color = CurColor(state_);
  line.HenikiKind = state_.LineMode == kModeSegment ? state_.SenbunKind
                    : (state_.LineMode == kModeRight || state_.LineMode == kModeLeft)
                        ? state_.HanchokusenKind
                        : 0;
  line.X1 = p.x;
  line.Y1 = p.y;
  line.X2 = 0;
  line.Y2 = 0;
  line.HenikiStart = kOpenLeft;
  line.HenikiEnd = kOpenRight;
  return line;
}

bool PlaneMouse::RegistLine(TLineData line, int32_t index) {
  Canvas& plane = display_.Surfaces().imgCood;
  if (line.X1 == 0 || line.Y1 == 0) {
    prompter_.Message(Msg().CannotRegister);
    DrawHandles(plane, display_.Geometry(), line, Handle::First, state_);
    DrawHandles(plane, display_.Geometry(), line, Handle::Second, state_);
    display_.DispAllLine();
    ResetMouse();
    return false;
  }
  // A target left over from curves that have since been deleted cannot be replaced: the
  // curve is added instead.
  if (index >= work_.Count()) index = -1;
  if (index < 0) {
    index = work_.Add(line, state_.Options.Form());
    if (index < 0) {
      prompter_.Message(LimitMessage());
      return false;
    }
    shown_.count = work_.Count();
    view_.FileInfoChanged();
    if (state_.FixedColor == kAutoColor) {
      ++state_.ColorIndex;
      display_.RefreshSample();
    }
  } else {
    work_.ReplaceCurve(index, line, state_.Options.Form());
  }
  work_.SelectOnly(index);
  view_.ListChanged();
  display_.DispAllLine();
  return true;
}

void PlaneMouse::ResetMouse() {
  view_.SetPlaneCursor(kCursorPencil);
  state_.TargetIndex = -1;
  state_.TargetHandle = -1;
  AbandonPendingCurve(state_);
}

PlaneMouse::Hit PlaneMouse::HitHandle(LatticePoint p) const {
  for (int32_t i = 0; i < work_.Count(); ++i) {
    const TLineData& line = work_.Curve(i);
    if (line.X1 == p.x && line.Y1 == p.y) return {i, 1};
    // Compared in 64 bits: negating the most negative coordinate must not overflow.
    if (-static_cast<int64_t>(line.X1) == p.x && -static_cast<int64_t>(line.Y1) == p.y) {
      return {i, 2};
    }
  }
  return {};
}

void PlaneMouse::StartDrag() {
  if (state_.DrawState != 0) return;
  state_.PrevPoint = state_.DownPoint;
  state_.DragMode = 2;
  state_.WorkLine = work_.Curve(state_.TargetIndex);
  display_.DrawOnPlane(state_.WorkLine);
  state_.DragSecond = state_.TargetHandle != 1;
  if (state_.Options.chkHandle) view_.SetPlaneCursor(kCursorFinger);
  display_.Show();
}

void PlaneMouse::DropHandle(int32_t px, int32_t py) {
  view_.SetPlaneCursor(kCursorPencil);
  if (state_.TargetIndex < 0 || state_.TargetIndex >= work_.Count()) return;
  work_.SetSelected(state_.TargetIndex, true);
  view_.ListChanged();
  const LatticePoint p = display_.Geometry().PixelToLattice(px, py);
  if (p == state_.DownPoint) {
    display_.DispAllLine();
    state_.DrawState = 0;
    state_.DragMode = 0;
    return;
  }
  if (p.x == 0 || p.y == 0) {
    prompter_.Message(Msg().CannotDraw);
    ResetMouse();
    display_.DispAllLine();
    state_.DrawState = 0;
    state_.DragMode = 0;
    return;
  }
  if (state_.LineMode != kModeWhole) {
    view_.SetPlaneCursor(kCursorScissors);
    return;
  }
  if (state_.TargetHandle == 1) {
    state_.WorkLine.X1 = p.x;
    state_.WorkLine.Y1 = p.y;
  } else {
    state_.WorkLine.X2 = p.x;
    state_.WorkLine.Y2 = p.y;
  }
  state_.WorkLine.Shiki = EquationText(state_.WorkLine, state_.Options.Form());
  const int32_t target = state_.TargetIndex;
  state_.DragMode = 0;  // the redraw that registering makes shows the curve, not the drag look
  RegistLine(state_.WorkLine, target);
  ResetMouse();
  view_.SetPlaneCursor(kCursorPencil);
  state_.TargetIndex = -1;
}

void PlaneMouse::ShiftLine(ShiftDirection direction) {
  const int32_t selectedCount = work_.SelectedCount();
  if (work_.Empty()) {
    prompter_.Message(Msg().NoTarget);
    return;
  }
  if (selectedCount >= 2) {
    prompter_.Message(Msg().SelectOnlyOne);
    return;
  }
  if (selectedCount == 0) {
    prompter_.Message(Msg().ChooseTarget);
    return;
  }
  const int32_t i = work_.FirstSelected();
  TLineData line = work_.Curve(i);
  auto step = [](int32_t v, int32_t d) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{v} + d, INT32_MIN, INT32_MAX));
  };
  switch (direction) {
    case ShiftDirection::Up:
    case ShiftDirection::Down: {
      const int32_t d = direction == ShiftDirection::Up ? 1 : -1;
      line.Y1 = step(line.Y1, d);
      line.Y2 = step(line.Y2, d);
      break;
    }
    case ShiftDirection::Left:
    case ShiftDirection::Right: {
      const int32_t d = direction == ShiftDirection::Right ? 1 : -1;
      line.X1 = step(line.X1, d);
      line.X2 = step(line.X2, d);
      if (line.HenikiStart != kOpenLeft) line.HenikiStart = step(line.HenikiStart, d);
      if (line.HenikiEnd != kOpenRight) line.HenikiEnd = step(line.HenikiEnd, d);
      break;
    }
  }
  if (line.X1 != 0 && line.Y1 != 0) {
    line.Shiki = EquationText(line, state_.Options.Form());
    work_.ReplaceCurve(i, line, state_.Options.Form());
    view_.ListChanged();
  } else {
    prompter_.Message(Msg().CannotDraw);
  }
  display_.DispAllLine();
}
