#include "app/editor.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <deque>

#include "app/main_layout.h"
#include "model/cp932.h"
#include "model/domain_text.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "render/domain_panels.h"
#include "render/image_ops.h"
#include "render/line_sample.h"
#include "render/math_text.h"

namespace {

// Cursor numbers of the plane.
constexpr int32_t kCursorArrow = 1;
constexpr int32_t kCursorFinger = 2;
constexpr int32_t kCursorScissors = 3;
constexpr int32_t kCursorPencil = 5;
constexpr int32_t kCursorBracketLeft = 6;
constexpr int32_t kCursorBracketRight = 7;

const std::string& Text(const char* utf8) {
  // Messages are few and fixed; convert each once. A deque keeps earlier entries in place.
  static std::deque<std::pair<const char*, std::string>> cache;
  for (const auto& [key, value] : cache) {
    if (key == utf8) return value;
  }
  cache.emplace_back(utf8, ToCp932(utf8));
  return cache.back().second;
}

std::string LimitMessage() {
  return ToCp932("これ以上登録できません\r\n最大登録数は ") + std::to_string(kMaxLines) +
         ToCp932(" 本です");
}

const char* const kModeWords[] = {"全域", "中央", "右側", "左側"};

}  // namespace

Editor::Editor(EditorSurfaces surfaces, EditorView& view, Prompter& prompter,
               const PlaneSettings& planeSettings)
    : surfaces_(surfaces), view_(view), prompter_(prompter), planeSettings_(&planeSettings) {
  edtCood = "  ( x, y )";
  edtHeniki = ToCp932("≦　≦");
}

// ---- start-up and redraw ----

void Editor::FormShow() {
  state.PanelLineHeight = 20;
  state.PanelTextColor = 0xFFFFFF;
  state.PanelBackColor = 0x808000;
  state.BitmapPasted = false;
  ResetWork(view_.NewWorkTitle(), state.CurFileName, true);
  ResetMouse();
  SetLineMode(kModeWhole);
  state.NewFileFlag = true;
}

void Editor::ResetWork(const std::string& title, const std::string& fileName, bool resetKinds) {
  if (resetKinds) {
    state.SenbunKind = 0;
    state.HanchokusenKind = 0;
  }
  state.MaruRadius = spnMaruRad;
  state.TensenFlag = state.Options.chkTensen;
  state.ColorIndex = 0;
  RefreshSample();
  state.DrawState = 0;
  state.LineCount = 0;
  state.DragMode = 0;
  state.DataSaved = true;
  RedrawPlane();
  ClearPanels();
  listItems.clear();
  listSelected.clear();
  view_.ListChanged();
  DispFileInfo(title, fileName, 0);
  buffer.Reset(view_.NewWorkTitle());
  surfaces_.imgCood.SetPenMode(PenMode::NotXor);
  view_.ImagesChanged();
}

void Editor::DispFileInfo(const std::string& title, const std::string& fileName, int32_t count) {
  shownTitle = title;
  shownFileName = fileName;
  shownCount = count;
  view_.FileInfoChanged();
}

void Editor::RedrawPlane() {
  geometry_ = DrawCood(surfaces_.imgCood, *planeSettings_, state);
  // Placed by the image's own size: while a pasted picture is kept, the image keeps its size
  // even when the settings ask for another.
  const int32_t width = surfaces_.imgCood.Width();
  const int32_t height = surfaces_.imgCood.Height();
  const PixelPoint at = MainPlanePosition(windowWidth, windowHeight, kLstShikiLeft, kLstShikiWidth,
                                          kPnlMainHeight, kGrpSetteiHeight, width, height);
  view_.PlanePlaced(at.x, at.y, width, height);
}

void Editor::DispAllLine() {
  Canvas& plane = surfaces_.imgCood;
  plane.SetPenMode(PenMode::Copy);
  RedrawPlane();
  int32_t last = -1;
  for (int32_t i = 0; i < state.LineCount; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const bool selected = slot < listSelected.size() && listSelected[slot];
    DrawLine(plane, geometry_, state.LineData[slot], selected, state);
    if (selected) {
      DrawLatticeMarks(plane, geometry_, state.LineData[slot], state);
      last = i;
    }
  }
  if (last >= 0) {
    if (state.Options.chkShiki) {
      DrawMathText(surfaces_.imgShiki, state.LineData[static_cast<std::size_t>(last)].Shiki, state);
    }
    RefreshHeniki(last);
    FillTable(surfaces_.drgTable, surfaces_.drgTable2, state, last);
  }
  plane.SetPenMode(PenMode::NotXor);
  view_.ImagesChanged();
}

void Editor::ClearPanels() {
  for (Canvas* image :
       {&surfaces_.imgHenikiX, &surfaces_.imgHenikiY, &surfaces_.imgShiki, &surfaces_.imgTeisuu}) {
    ClearImage(*image, state.PanelBackColor, state.PanelTextColor);
  }
  ::ClearTable(surfaces_.drgTable, surfaces_.drgTable2);
  view_.ImagesChanged();
}

void Editor::RefreshHeniki(int32_t index) {
  if (!state.Options.chkDispHeniki || index < 0 || index >= state.LineCount) return;
  DomainPanels panels{surfaces_.imgHenikiX, surfaces_.imgHenikiY, surfaces_.imgTeisuu};
  ShowHeniki(panels, state.LineData[static_cast<std::size_t>(index)], state);
}

void Editor::RefreshSample() { DrawSampleBox(surfaces_.imgSample, state, prompter_); }

// ---- line mode ----

void Editor::SetLineMode(int32_t mode) {
  state.LineMode = mode;
  edtLineMode = ToCp932(kModeWords[std::clamp(mode, 0, 3)]);
  if (mode == kModeWhole) {
    state.SenbunKind = 0;
    state.HanchokusenKind = 0;
  }
  if (mode == kModeRight) state.DrawState = 0;
  ShowIneqSigns(state, edtHeniki, surfaces_.imgSample, prompter_);
  view_.TextsChanged();
  view_.ImagesChanged();
}

// ---- the plane's mouse ----

void Editor::MouseDown(MouseButton button, int32_t px, int32_t py) {
  state.LastButton = button;
  state.ButtonHeld = true;
  // While the wait lets the release through, no drop may happen.
  const int32_t dragMode = state.DragMode;
  state.DragMode = 0;
  for (int32_t step = 0; step < 3 && state.ButtonHeld; ++step) view_.ProcessEvents(100);
  state.DragMode = dragMode;

  if (button == MouseButton::Left) {
    if (!state.ButtonHeld) CoodClick(px, py);
    return;
  }
  state.DownPoint = geometry_.PixelToLattice(px, py);
  const Hit hit = HitHandle(state.DownPoint);
  state.TargetIndex = hit.index;
  state.TargetHandle = hit.handle;
  if (hit.index < 0) return;
  if (state.LineData[static_cast<std::size_t>(hit.index)].LMode != kModeWhole) {
    prompter_.Message(Text("変域付きの曲線は、ドラッグできません"));
    return;
  }
  if (state.ButtonHeld) {
    view_.SetPlaneCursor(kCursorFinger);
    StartDrag();
  } else if (hit.handle == 1) {
    SelectOnly(hit.index);
    view_.ListChanged();
    DispAllLine();
  }
}

void Editor::MouseUp(MouseButton button, int32_t px, int32_t py) {
  state.ButtonHeld = false;
  if (state.DragMode == 2 && button != MouseButton::Left) {
    state.LastButton = button;
    DropHandle(px, py);
    DispAllLine();
    ResetMouse();
    state.DragMode = 0;
  }
}

void Editor::MouseMove(int32_t px, int32_t py) {
  state.MousePoint = geometry_.PixelToLattice(px, py);
  char text[32];
  std::snprintf(text, sizeof text, " (%3d,%3d)", state.MousePoint.x, state.MousePoint.y);
  edtCood = text;
  view_.TextsChanged();
  if (state.DragMode != 0 && !(state.MousePoint == state.PrevPoint)) {
    state.WorkLine.X1 = state.PrevPoint.x;
    state.WorkLine.Y1 = state.PrevPoint.y;
    DrawWorkLine();  // not-xor: removes the previous picture
    state.WorkLine.X1 = state.MousePoint.x;
    state.WorkLine.Y1 = state.MousePoint.y;
    DrawWorkLine();
    state.PrevPoint = state.MousePoint;
    view_.ImagesChanged();
  }
}

void Editor::DoubleClick(MouseButton button, int32_t px, int32_t py) {
  // The first press of a double click has already made its click. The second press counts
  // only while a domain click is awaited, and then at the place it was made: a double click
  // never makes a second, identical curve, nor one anywhere the user did not click.
  if (button != MouseButton::Left || state.DragMode != 0 || state.DrawState == 0) return;
  view_.SetPlaneCursor(kCursorArrow);
  MouseDown(button, px, py);
}

void Editor::FormMouseMove() {
  if (state.DrawState > 0 || state.DragMode != 0) {
    DispAllLine();
    view_.SetPlaneCursor(kCursorPencil);
    state.DrawState = 0;
    state.DragMode = 0;
  }
}

void Editor::DrawWorkLine() {
  DrawLine(surfaces_.imgCood, geometry_, state.WorkLine, false, state);
}

void Editor::CoodClick(int32_t px, int32_t py) {
  const LatticePoint p = geometry_.PixelToLattice(px, py);
  if (state.DrawState == 0) {
    if (state.LineCount >= kMaxLines) {
      prompter_.Message(LimitMessage());
      return;
    }
    if (p.x == 0 || p.y == 0) {
      prompter_.Message(Text("比例定数が０のグラフは描けません"));
      ResetMouse();
      return;
    }
    state.PreviewWhole = true;
    state.WorkLine = MakeLine(p);
    state.PrevPoint = p;
    state.WorkLine.Shiki = EquationText(state.WorkLine, state.Options.Form());
    if (state.WorkLine.LMode == kModeWhole) {
      RegistLine(state.WorkLine, state.TargetIndex);
      ResetMouse();
      return;
    }
    DrawWorkLine();
    view_.SetPlaneCursor(state.WorkLine.LMode == kModeLeft ? kCursorBracketLeft
                                                           : kCursorBracketRight);
    state.DrawState = 1;
    view_.ImagesChanged();
    return;
  }

  if (p.x == 0 && prompter_.Ask(Text("変域の一方を０にしますか")) != Answer::Yes) return;

  auto commit = [this]() {
    state.WorkLine.Shiki = EquationText(state.WorkLine, state.Options.Form());
    state.PreviewWhole = false;
    RegistLine(state.WorkLine, state.TargetIndex);
    ResetMouse();
  };

  if (state.DrawState == 1) {
    switch (state.WorkLine.LMode) {
      case kModeSegment:
        view_.SetPlaneCursor(kCursorBracketLeft);
        state.WorkLine.HenikiStart = p.x;
        state.WorkLine.HenikiEnd = kOpenRight;
        DrawCutMark(surfaces_.imgCood, geometry_, p.x, state.WorkLine);
        state.DrawState = 2;
        view_.ImagesChanged();
        return;
      case kModeRight:
        view_.SetPlaneCursor(kCursorBracketRight);
        state.WorkLine.HenikiStart = p.x;
        state.WorkLine.HenikiEnd = kOpenRight;
        commit();
        return;
      case kModeLeft:
        view_.SetPlaneCursor(kCursorBracketLeft);
        state.WorkLine.HenikiStart = kOpenLeft;
        state.WorkLine.HenikiEnd = p.x;
        commit();
        return;
      default:
        ResetMouse();
        return;
    }
  }

  // Second click of a segment.
  view_.SetPlaneCursor(kCursorBracketRight);
  if (p.x == state.WorkLine.HenikiStart) {
    prompter_.Message(Text("変域が正しくありません"));
    state.PreviewWhole = false;
    ResetMouse();
    DispAllLine();
    return;
  }
  DrawCutMark(surfaces_.imgCood, geometry_, state.WorkLine.HenikiStart, state.WorkLine);
  if (state.WorkLine.HenikiStart < p.x) {
    state.WorkLine.HenikiEnd = p.x;
  } else {
    state.WorkLine.HenikiEnd = state.WorkLine.HenikiStart;
    state.WorkLine.HenikiStart = p.x;
  }
  commit();
}

TLineData Editor::MakeLine(LatticePoint p) {
  TLineData line;
  line.LMode = state.LineMode;
  line.LWidth = state.LineWidth;
  line.IncStart = state.CurIncStart;
  line.IncEnd = state.CurIncEnd;
  line.Color = CurColor(state);
  line.HenikiKind = state.LineMode == kModeSegment ? state.SenbunKind
                    : (state.LineMode == kModeRight || state.LineMode == kModeLeft)
                        ? state.HanchokusenKind
                        : 0;
  line.X1 = p.x;
  line.Y1 = p.y;
  line.X2 = 0;
  line.Y2 = 0;
  line.HenikiStart = kOpenLeft;
  line.HenikiEnd = kOpenRight;
  return line;
}

bool Editor::RegistLine(TLineData line, int32_t index) {
  if (line.X1 == 0 || line.Y1 == 0) {
    prompter_.Message(Text("放物線が描けないので登録できません"));
    DrawHandles(surfaces_.imgCood, geometry_, line, Handle::First, state);
    DrawHandles(surfaces_.imgCood, geometry_, line, Handle::Second, state);
    DispAllLine();
    ResetMouse();
    return false;
  }
  // A target left over from curves that have since been deleted cannot be replaced: the
  // curve is added instead.
  if (index >= state.LineCount) index = -1;
  if (index < 0) {
    if (state.LineCount >= kMaxLines) {
      prompter_.Message(LimitMessage());
      return false;
    }
    state.LineData[static_cast<std::size_t>(state.LineCount)] = line;
    // Inserted after the editor's curves: lines a file held beyond the curves read stay last.
    buffer.InsertCurve(state.LineCount, line);
    AppendListItem(EquationText(line, state.Options.Form()));
    ++state.LineCount;
    shownCount = state.LineCount;
    view_.FileInfoChanged();
    if (state.FixedColor == kAutoColor) {
      ++state.ColorIndex;
      RefreshSample();
    }
    index = state.LineCount - 1;
  } else {
    state.LineData[static_cast<std::size_t>(index)] = line;
    listItems[static_cast<std::size_t>(index)] = EquationText(line, state.Options.Form());
    UpdateLineText(line, index);
  }
  SelectOnly(index);
  view_.ListChanged();
  DispAllLine();
  state.DataSaved = false;
  return true;
}

void Editor::UpdateLineText(const TLineData& line, int32_t index) {
  buffer.ReplaceCurve(index, line);
}

void Editor::ResetMouse() {
  view_.SetPlaneCursor(kCursorPencil);
  state.TargetIndex = -1;
  state.TargetHandle = -1;
  state.DrawState = 0;
}

Editor::Hit Editor::HitHandle(LatticePoint p) const {
  for (int32_t i = 0; i < state.LineCount; ++i) {
    const TLineData& line = state.LineData[static_cast<std::size_t>(i)];
    if (line.X1 == p.x && line.Y1 == p.y) return {i, 1};
    // Compared in 64 bits: negating the most negative coordinate must not overflow.
    if (-static_cast<int64_t>(line.X1) == p.x && -static_cast<int64_t>(line.Y1) == p.y) {
      return {i, 2};
    }
  }
  return {};
}

void Editor::StartDrag() {
  if (state.DrawState != 0) return;
  state.PrevPoint = state.DownPoint;
  state.DragMode = 2;
  state.WorkLine = state.LineData[static_cast<std::size_t>(state.TargetIndex)];
  DrawWorkLine();
  state.DragSecond = state.TargetHandle != 1;
  if (state.Options.chkHandle) view_.SetPlaneCursor(kCursorFinger);
  view_.ImagesChanged();
}

void Editor::DropHandle(int32_t px, int32_t py) {
  view_.SetPlaneCursor(kCursorPencil);
  if (state.TargetIndex < 0 || state.TargetIndex >= state.LineCount) return;
  listSelected[static_cast<std::size_t>(state.TargetIndex)] = true;
  view_.ListChanged();
  const LatticePoint p = geometry_.PixelToLattice(px, py);
  if (p == state.DownPoint) {
    DispAllLine();
    state.DrawState = 0;
    state.DragMode = 0;
    return;
  }
  if (p.x == 0 || p.y == 0) {
    prompter_.Message(Text("曲線が描けません"));
    ResetMouse();
    DispAllLine();
    state.DrawState = 0;
    state.DragMode = 0;
    return;
  }
  if (state.LineMode != kModeWhole) {
    view_.SetPlaneCursor(kCursorScissors);
    return;
  }
  if (state.TargetHandle == 1) {
    state.WorkLine.X1 = p.x;
    state.WorkLine.Y1 = p.y;
  } else {
    state.WorkLine.X2 = p.x;
    state.WorkLine.Y2 = p.y;
  }
  state.WorkLine.Shiki = EquationText(state.WorkLine, state.Options.Form());
  const int32_t target = state.TargetIndex;
  state.DragMode = 0;  // the redraw that registering makes shows the curve, not the drag look
  RegistLine(state.WorkLine, target);
  ResetMouse();
  view_.SetPlaneCursor(kCursorPencil);
  state.TargetIndex = -1;
}

void Editor::ShiftLine(ShiftDirection direction) {
  const int32_t selectedCount =
      static_cast<int32_t>(std::count(listSelected.begin(), listSelected.end(), true));
  if (state.LineCount == 0) {
    prompter_.Message(Text("対象となる式がありません"));
    return;
  }
  if (selectedCount >= 2) {
    prompter_.Message(Text("選択は１つにしてください"));
    return;
  }
  if (selectedCount == 0) {
    prompter_.Message(
        Text("対象となる式を選んでください。\r\rグラフのハンドルを右クリックしてください"));
    return;
  }
  const int32_t i = FirstSelected();
  TLineData& line = state.LineData[static_cast<std::size_t>(i)];
  const TLineData copy = line;
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
    line.Shiki = EquationText(line, state.Options.Form());
    listItems[static_cast<std::size_t>(i)] = line.Shiki;
    UpdateLineText(line, i);
    view_.ListChanged();
  } else {
    prompter_.Message(Text("曲線が描けません"));
    line = copy;
  }
  DispAllLine();
}

// ---- the graph list ----

void Editor::AppendListItem(const std::string& text) {
  listItems.push_back(text);
  listSelected.push_back(false);
}

void Editor::SelectOnly(int32_t index) {
  std::fill(listSelected.begin(), listSelected.end(), false);
  if (index >= 0 && index < static_cast<int32_t>(listSelected.size())) {
    listSelected[static_cast<std::size_t>(index)] = true;
  }
}

int32_t Editor::FirstSelected() const {
  for (std::size_t i = 0; i < listSelected.size(); ++i) {
    if (listSelected[i]) return static_cast<int32_t>(i);
  }
  return static_cast<int32_t>(listItems.size()) - 1;
}

int32_t Editor::LastSelected() const {
  for (std::size_t i = listSelected.size(); i > 0; --i) {
    if (listSelected[i - 1]) return static_cast<int32_t>(i - 1);
  }
  return -1;
}

void Editor::ListMouseDown(MouseButton button, bool ctrl, int32_t row, int32_t currentItem,
                           int32_t menuX, int32_t menuY) {
  const auto count = static_cast<int32_t>(listItems.size());
  if (count == 0) return;
  if (button == MouseButton::Right) {
    if (row < 0 || row >= count) return;
    if (!listSelected[static_cast<std::size_t>(row)]) SelectOnly(row);
    view_.ListChanged();
    DispAllLine();
    view_.ShowListMenu(menuX, menuY);
    return;
  }
  if (currentItem < 0 || currentItem >= count) return;
  DispAllLine();
  state.DrawState = 0;
  if (ctrl) {
    ClearPanels();
  } else {
    SelectOnly(currentItem);
    view_.ListChanged();
  }
}

void Editor::ListClick() {
  view_.ListChanged();
  DispAllLine();
}

void Editor::SelectAll() {
  std::fill(listSelected.begin(), listSelected.end(), true);
  view_.ListChanged();
  DispAllLine();
}

void Editor::CancelSelection() {
  std::fill(listSelected.begin(), listSelected.end(), false);
  view_.ListChanged();
  DispAllLine();
  ClearPanels();
}

void Editor::DeleteSelected() {
  if (listItems.empty()) {
    RedrawPlane();
    ClearPanels();
    ResetMouse();
    return;
  }
  if (state.DrawState > 0) {
    ResetMouse();
    DispAllLine();
    return;
  }
  int32_t kept = 0;
  for (int32_t i = 0; i < state.LineCount; ++i) {
    if (!listSelected[static_cast<std::size_t>(i)]) {
      state.LineData[static_cast<std::size_t>(kept++)] =
          state.LineData[static_cast<std::size_t>(i)];
    }
  }
  for (int32_t i = state.LineCount - 1; i >= 0; --i) {
    const auto slot = static_cast<std::size_t>(i);
    if (!listSelected[slot]) continue;
    listItems.erase(listItems.begin() + i);
    listSelected.erase(listSelected.begin() + i);
    buffer.DeleteCurve(i);
  }
  state.LineCount = kept;
  // A handle target may now point past the list; it no longer names a curve.
  if (state.TargetIndex >= state.LineCount) state.TargetIndex = -1;
  view_.ListChanged();
  DispAllLine();
  ClearPanels();
  state.DataSaved = false;
  state.DrawState = 0;
}

void Editor::EraseAll() {
  if (state.LineCount != 0 && prompter_.Ask(Text("全部削除してもいいですか？")) != Answer::Yes) {
    return;
  }
  ResetWork(shownTitle, state.CurFileName, false);
  state.DrawState = 0;
}

void Editor::ChangeColorOfSelected() {
  const auto chosen = prompter_.ChooseColor(kAutoColor);
  if (!chosen || *chosen == kAutoColor) return;
  for (int32_t i = 0; i < state.LineCount; ++i) {
    if (!listSelected[static_cast<std::size_t>(i)]) continue;
    state.LineData[static_cast<std::size_t>(i)].Color = *chosen;
    buffer.ReplaceStyleLine(i, state.LineData[static_cast<std::size_t>(i)]);
  }
  DispAllLine();
  if (state.FixedColor == kAutoColor) state.ColorIndex = state.LineCount;
  view_.ListChanged();
  RefreshPanels();
}

void Editor::ChangeWidthOfSelected(int32_t width) {
  for (int32_t i = 0; i < state.LineCount; ++i) {
    if (!listSelected[static_cast<std::size_t>(i)]) continue;
    state.LineData[static_cast<std::size_t>(i)].LWidth = width;
    buffer.ReplaceStyleLine(i, state.LineData[static_cast<std::size_t>(i)]);
  }
  DispAllLine();
}

void Editor::SetFixedColor() {
  if (state.DrawState == 1) {
    prompter_.Message(Text("途中で色は変更できません"));
    return;
  }
  const auto chosen = prompter_.ChooseColor(state.FixedColor);
  if (!chosen) return;
  state.FixedColor = *chosen;
  for (int32_t i = 0; i < state.LineCount; ++i) {
    TLineData& line = state.LineData[static_cast<std::size_t>(i)];
    line.Color = state.FixedColor != kAutoColor ? state.FixedColor
                                                : ColorTable[static_cast<std::size_t>(i % 16)];
    buffer.ReplaceStyleLine(i, line);
  }
  DispAllLine();
  if (state.FixedColor == kAutoColor) state.ColorIndex = state.LineCount;
  RefreshSample();
  view_.ListChanged();
  view_.ImagesChanged();
}

void Editor::PasteBitmap() {
  if (!view_.PasteClipboardPicture(surfaces_.imgCood)) {
    prompter_.Message(Text("クリップボードに図がありません"));
    return;
  }
  state.BitmapPasted = true;
  view_.ImagesChanged();
}

void Editor::ClearBitmap() {
  if (!state.BitmapPasted) return;
  if (prompter_.Ask(Text("ビットマップをクリアしてもいいですか")) != Answer::Yes) return;
  state.BitmapPasted = false;
  DispAllLine();
}

// ---- display panels and options ----

void Editor::DispPanels(int32_t index) {
  if (index < 0 || index >= state.LineCount) return;
  RefreshHeniki(index);
  DrawMathText(surfaces_.imgShiki, state.LineData[static_cast<std::size_t>(index)].Shiki, state);
  FillTable(surfaces_.drgTable, surfaces_.drgTable2, state, FirstSelected());
  DomainPanels panels{surfaces_.imgHenikiX, surfaces_.imgHenikiY, surfaces_.imgTeisuu};
  ShowHeniki(panels, state.LineData[static_cast<std::size_t>(index)], state);
  view_.ImagesChanged();
}

void Editor::RefreshPanels() {
  const int32_t k = FirstSelected();
  if (k < 0) {
    ClearPanels();
  } else {
    DispPanels(k);
  }
}

void Editor::ClearTable() {
  ::ClearTable(surfaces_.drgTable, surfaces_.drgTable2);
  view_.ImagesChanged();
}

void Editor::OnDataTableClicked(bool checked) {
  state.Options.chkDataTable = checked;
  if (checked) {
    FillTable(surfaces_.drgTable, surfaces_.drgTable2, state, FirstSelected());
  } else {
    ::ClearTable(surfaces_.drgTable, surfaces_.drgTable2);
  }
  view_.ImagesChanged();
}

void Editor::OnShikiClicked(bool checked) {
  state.Options.chkShiki = checked;
  if (checked) {
    const int32_t k = FirstSelected();
    if (k >= 0) {
      DrawMathText(surfaces_.imgShiki, state.LineData[static_cast<std::size_t>(k)].Shiki, state);
      DomainPanels panels{surfaces_.imgHenikiX, surfaces_.imgHenikiY, surfaces_.imgTeisuu};
      ShowHeniki(panels, state.LineData[static_cast<std::size_t>(k)], state);
    }
  } else {
    ClearImage(surfaces_.imgShiki, state.PanelBackColor, state.PanelTextColor);
    ClearImage(surfaces_.imgHenikiX, state.PanelBackColor, state.PanelTextColor);
  }
  view_.ListChanged();
  view_.ImagesChanged();
}

void Editor::OnDispHenikiClicked(bool checked) {
  state.Options.chkDispHeniki = checked;
  ClearImage(surfaces_.imgHenikiY, state.PanelBackColor, state.PanelTextColor);
  const int32_t k = FirstSelected();
  if (checked && k >= 0) {
    DomainPanels panels{surfaces_.imgHenikiX, surfaces_.imgHenikiY, surfaces_.imgTeisuu};
    ShowHeniki(panels, state.LineData[static_cast<std::size_t>(k)], state);
    RefreshHeniki(k);
  }
  view_.ImagesChanged();
}

void Editor::OnRanColorClicked(bool checked) {
  state.Options.chkRanColor = checked;
  state.PanelBackColor = checked ? 0x808000 : 0xFFFFFF;
  state.PanelTextColor = checked ? 0xFFFFFF : 0x000000;
  ClearPanels();
  RefreshPanels();
}

void Editor::OnTensenClicked(bool checked) {
  state.Options.chkTensen = checked;
  state.TensenFlag = checked;
  DispAllLine();
}

void Editor::OnMaruRadChanged(int32_t radius) {
  spnMaruRad = std::clamp(radius, 0, 8);
  state.MaruRadius = spnMaruRad;
  DispAllLine();
  RefreshSample();
  view_.ImagesChanged();
}

bool Editor::ChooseForm(EquationForm form) {
  if (!state.Options.chkShiki) return false;
  state.Options.chkKeishiki = form == EquationForm::Standard;
  SwitchForm();
  return true;
}

void Editor::SwitchForm() {
  if (listItems.empty()) return;
  for (int32_t i = 0; i < state.LineCount; ++i) {
    TLineData& line = state.LineData[static_cast<std::size_t>(i)];
    line.Shiki = EquationText(line, state.Options.Form());
    listItems[static_cast<std::size_t>(i)] = line.Shiki;
  }
  int32_t k = LastSelected();
  if (k < 0) k = FirstSelected();
  listSelected[static_cast<std::size_t>(k)] = true;
  DrawMathText(surfaces_.imgShiki, state.LineData[static_cast<std::size_t>(k)].Shiki, state);
  view_.ListChanged();
  view_.ImagesChanged();
}

void Editor::SampleButtonClick() {
  if (state.LineMode == kModeSegment) {
    state.SenbunKind = (state.SenbunKind + 1) % 4;
  } else if (state.LineMode == kModeRight || state.LineMode == kModeLeft) {
    state.HanchokusenKind = state.HanchokusenKind == 0 ? 1 : 0;
  }
  ShowIneqSigns(state, edtHeniki, surfaces_.imgSample, prompter_);
  view_.TextsChanged();
  view_.ImagesChanged();
}

void Editor::SampleImageClick() {
  if (state.FixedColor != kAutoColor) return;
  ++state.ColorIndex;
  RefreshSample();
  view_.ImagesChanged();
}

// ---- test and practice ----

namespace {

bool AnyWithDomain(const std::array<TLineData, kMaxLines + 1>& lines, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    if (lines[static_cast<std::size_t>(i)].LMode != kModeWhole) return true;
  }
  return false;
}

}  // namespace

void Editor::TestCommand() {
  if (state.LineCount <= 0) {
    prompter_.Message(Text("テストするデータがありません"));
    return;
  }
  if (AnyWithDomain(state.LineData, state.LineCount)) {
    prompter_.Message(Text("変域があるものはテストできません"));
    return;
  }
  state.TestMode = true;
  PracticeCount = state.LineCount;
  PracticeData = state.LineData;
  view_.ShowPractice();
}

void Editor::PracticeCommand() {
  state.OpenForEdit = false;
  state.TestMode = false;
  if (!view_.ChooseUnitForPractice()) return;
  if (AnyWithDomain(PracticeData, std::clamp(PracticeCount, 0, kMaxLines))) {
    prompter_.Message(Text("変域があるものはテストできません"));
    return;
  }
  DispAllLine();
  view_.ShowPractice();
}
