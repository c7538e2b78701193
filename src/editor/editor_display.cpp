#include "editor/editor_display.h"

#include "editor/main_layout.h"
#include "model/messages.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "render/domain_panels.h"
#include "render/image_ops.h"
#include "render/line_sample.h"
#include "render/math_text.h"

EditorDisplay::EditorDisplay(EditorSurfaces surfaces, EditorState& state, const Work& work,
                             EditorView& view, Prompter& prompter,
                             const PlaneSettings& planeSettings)
    : surfaces_(surfaces),
      state_(state),
      work_(work),
      view_(view),
      prompter_(prompter),
      planeSettings_(&planeSettings) {}

void EditorDisplay::SetWindowSize(int32_t width, int32_t height) {
  windowWidth_ = width;
  windowHeight_ = height;
}

void EditorDisplay::RedrawPlane() {
  geometry_ = DrawCood(surfaces_.imgCood, *planeSettings_, state_);
  // Placed by the image's own size: while a pasted picture is kept, the image keeps its size
  // even when the settings ask for another.
  const int32_t width = surfaces_.imgCood.Width();
  const int32_t height = surfaces_.imgCood.Height();
  const PixelPoint at =
      MainPlanePosition(windowWidth_, windowHeight_, kLstShikiLeft, kLstShikiWidth, kPnlMainHeight,
                        kGrpSetteiHeight, width, height);
  view_.PlanePlaced(at.x, at.y, width, height);
}

void EditorDisplay::DispAllLine() {
  Canvas& plane = surfaces_.imgCood;
  plane.SetPenMode(PenMode::Copy);
  RedrawPlane();
  // Registered curves are drawn with their domains: the whole-curve preview belongs to the new
  // curve alone, which the redraw leaves out.
  const bool preview = state_.PreviewWhole;
  state_.PreviewWhole = false;
  int32_t last = -1;
  for (int32_t i = 0; i < work_.Count(); ++i) {
    const bool selected = work_.IsSelected(i);
    DrawLine(plane, geometry_, work_.Curve(i), selected, state_);
    if (selected) {
      DrawLatticeMarks(plane, geometry_, work_.Curve(i), state_);
      last = i;
    }
  }
  state_.PreviewWhole = preview;
  if (last >= 0) {
    ShowEquation(last);
    RefreshHeniki(last);
    FillTable(last);
  }
  plane.SetPenMode(PenMode::NotXor);
  view_.ImagesChanged();
}

void EditorDisplay::DrawPicture(Canvas& target, bool withMarks) {
  const Canvas& shown = surfaces_.imgCood;
  if (state_.BitmapPasted) {
    const PixelRect whole{0, 0, shown.Width(), shown.Height()};
    target.Resize(shown.Width(), shown.Height());
    target.CopyRect(whole, shown, whole, CopyMode::Plain);
    return;
  }
  target.SetPenMode(PenMode::Copy);
  const PlaneGeometry g = DrawCood(target, *planeSettings_, state_);
  const bool preview = state_.PreviewWhole;
  state_.PreviewWhole = false;
  for (int32_t i = 0; i < work_.Count(); ++i) {
    const bool selected = withMarks && work_.IsSelected(i);
    DrawLine(target, g, work_.Curve(i), selected, state_);
    if (selected) DrawLatticeMarks(target, g, work_.Curve(i), state_);
  }
  state_.PreviewWhole = preview;
}

void EditorDisplay::ClearPanels() {
  for (Canvas* image :
       {&surfaces_.imgHenikiX, &surfaces_.imgHenikiY, &surfaces_.imgShiki, &surfaces_.imgTeisuu}) {
    ClearPanel(*image);
  }
  ::ClearTable(surfaces_.drgTable, surfaces_.drgTable2);
  view_.ImagesChanged();
}

void EditorDisplay::ClearTable() {
  ::ClearTable(surfaces_.drgTable, surfaces_.drgTable2);
  view_.ImagesChanged();
}

void EditorDisplay::ClearPanel(Canvas& image) {
  ClearImage(image, state_.PanelBackColor, state_.PanelTextColor);
}

void EditorDisplay::RefreshHeniki(int32_t i) {
  if (!state_.Options.chkDispHeniki || !IsCurve(i)) return;
  ShowDomainPanels(i);
}

void EditorDisplay::ShowDomainPanels(int32_t i) {
  if (!IsCurve(i)) return;
  DomainPanels panels{surfaces_.imgHenikiX, surfaces_.imgHenikiY, surfaces_.imgTeisuu};
  ShowHeniki(panels, work_.Curve(i), state_);
}

void EditorDisplay::ShowEquation(int32_t i) {
  // While the equations are hidden the panel keeps its empty picture.
  if (!IsCurve(i) || !state_.Options.chkShiki) return;
  DrawMathText(surfaces_.imgShiki, work_.Curve(i).Shiki, state_);
}

void EditorDisplay::FillTable(int32_t i) {
  ::FillTable(surfaces_.drgTable, surfaces_.drgTable2, state_.Options, work_.Curves(), i);
}

void EditorDisplay::DispPanels(int32_t i) {
  if (!IsCurve(i)) return;
  RefreshHeniki(i);
  ShowEquation(i);
  FillTable(work_.FirstSelected());
  ShowDomainPanels(i);
  view_.ImagesChanged();
}

void EditorDisplay::RefreshPanels() {
  const int32_t k = work_.FirstSelected();
  if (k < 0) {
    ClearPanels();
  } else {
    DispPanels(k);
  }
}

void EditorDisplay::RefreshSample() { ReportSample(DrawSampleBox(surfaces_.imgSample, state_)); }

void EditorDisplay::ReportSample(bool lineModeSound) {
  if (!lineModeSound) prompter_.Message(Msg().GraphModeError);
}

void EditorDisplay::DrawListSample(Canvas& canvas, int32_t i) {
  if (IsCurve(i)) ReportSample(DrawLineSample(canvas, work_.Curve(i), 0, state_));
}

void EditorDisplay::DrawOnPlane(const TLineData& line) {
  DrawLine(surfaces_.imgCood, geometry_, line, false, state_);
}
