// The panel texts, table cells and line samples painted on real images.
#include <gtest/gtest.h>

#include "support/gui/pixels.h"

#include "model/cp932.h"
#include "model/editor_state.h"
#include "platform/qt_canvas.h"
#include "platform/qt_fonts.h"
#include "render/domain_panels.h"
#include "render/function_table.h"
#include "render/line_sample.h"
#include "render/math_text.h"

namespace {

// Pixels clearly blue (text may be smoothed, so exact colours are not required of glyphs).
int CountBluish(const QtCanvas& canvas, const PixelRect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const QColor c(canvas.Image().pixel(x, y));
      n += (c.blue() > c.red() + 80 && c.blue() > c.green() + 80) ? 1 : 0;
    }
  }
  return n;
}

int CountOf(const QtCanvas& canvas, TColor color, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) n += At(canvas, x, y) == color ? 1 : 0;
  }
  return n;
}

class PanelImages : public ::testing::Test {
 protected:
  PanelImages() { InstallFontSubstitutions(); }
  EditorState state;
};

TEST_F(PanelImages, EquationFractionBarIsALineOfTheTextColourAtItsRow) {
  QtCanvas panel(161, 65);
  DrawMathText(panel, "y = 6/x", state);
  // The bar runs from x = 63 to 84 on row 30, in white on the teal panel.
  for (int x = 64; x < 84; ++x) EXPECT_EQ(At(panel, x, 30), 0xFFFFFF) << x;
  EXPECT_EQ(At(panel, 64, 33), 0x808000);  // under the bar, left of the "x"
  EXPECT_EQ(At(panel, 150, 60), 0x808000);
  // Glyphs of the numerator above the bar and of the denominator below it.
  EXPECT_GT(CountOf(panel, 0xFFFFFF, 63, 3, 84, 27), 5);
  EXPECT_GT(CountOf(panel, 0xFFFFFF, 63, 33, 84, 60), 5);
}

TEST_F(PanelImages, WholeCurveRangePanelWritesItsSecondLineAtRow48) {
  QtCanvas x(347, 73), y(347, 73), teisuu(161, 65);
  DomainPanels panels{x, y, teisuu};
  TLineData line;
  line.X1 = 2;
  line.Y1 = 3;
  line.HenikiStart = kOpenLeft;
  line.HenikiEnd = kOpenRight;
  ShowHeniki(panels, line, state);
  EXPECT_GT(CountOf(y, 0xFFFFFF, 1, 48, 200, 72), 20);  // "（０を除くすべての数）"
  EXPECT_EQ(CountOf(y, 0xFFFFFF, 0, 0, 346, 0), 0);
  EXPECT_GT(CountOf(teisuu, 0xFFFFFF, 0, 0, 160, 64), 5);  // "6"
}

TEST_F(PanelImages, TableFractionsAreGreyAndIntegersBlue) {
  QtCanvas canvas(367, 65), canvas2(367, 65);
  TableGrid grid(canvas), grid2(canvas2);
  std::vector<TLineData> curves(1);
  curves[0].X1 = 2;
  curves[0].Y1 = 3;
  state.Options.chkIntOnly = false;
  FillTable(grid, grid2, state.Options, curves, 0);
  // Column 1 holds x = -5 and y = -6/5: a grey bar of width 2 under the numerator.
  const PixelRect cell = grid.CellRect(1, 1);
  EXPECT_GT(CountOf(canvas, 0x808080, cell.left, cell.top + 19, cell.right - 1, cell.top + 21), 4);
  // Column 5 holds x = -1 and y = -6, an integer: blue text, no grey.
  const PixelRect intCell = grid.CellRect(5, 1);
  EXPECT_GT(CountBluish(canvas, intCell), 3);
  EXPECT_EQ(
      CountOf(canvas, 0x808080, intCell.left, intCell.top, intCell.right - 1, intCell.bottom - 1),
      0);
}

TEST_F(PanelImages, SegmentSampleHasAFilledLeftAndAnOpenRightCircle) {
  QtCanvas sample(40, 24);
  state.LineMode = kModeSegment;
  state.SenbunKind = 1;
  std::string edtHeniki;
  ShowIneqSigns(state, edtHeniki, sample);
  EXPECT_EQ(FromCp932(edtHeniki), " ≦ ＜");
  const TColor color = ColorTable[0];
  EXPECT_EQ(At(sample, 10, 12), color);     // filled
  EXPECT_EQ(At(sample, 30, 10), 0xFFFFFF);  // open: white inside, above the line
  EXPECT_EQ(At(sample, 20, 12), color);     // the line between them
  EXPECT_EQ(At(sample, 0, 0), 0x000000);    // the frame
}

}  // namespace
