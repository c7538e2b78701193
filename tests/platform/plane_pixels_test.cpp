// The plane and its curves on a real image: what the pupil actually sees.
#include <gtest/gtest.h>

#include "support/gui/pixels.h"

#include "platform/qt_canvas.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "support/gui/qt_print.h"

namespace {

constexpr TColor kCurveColor = 0xFF0000;  // blue

PlaneSettings Plane384() {
  PlaneSettings s;
  s.edtSizeX = "384";
  s.edtSizeY = "384";
  s.chkMemori = false;  // numbers and letters would cover the pixels under test
  s.chkXY = false;
  return s;
}

EditorState State() {
  EditorState state;
  state.MaxCoodSize = 544;
  return state;
}

TLineData Curve(int32_t x1, int32_t y1, int32_t mode, int32_t start, int32_t end) {
  TLineData c;
  c.X1 = x1;
  c.Y1 = y1;
  c.LMode = mode;
  c.LWidth = 1;
  c.Color = kCurveColor;
  c.IncStart = true;
  c.HenikiStart = start;
  c.HenikiEnd = end;
  return c;
}

TEST(PlanePixels, GridColoursWidthsAndAxes) {
  QtCanvas canvas(10, 10);
  const PlaneGeometry g = DrawCood(canvas, Plane384(), State());
  ASSERT_EQ(canvas.Width(), 384);
  EXPECT_EQ(g.LatticeToPixel(0, 0), (PixelPoint{192, 192}));
  struct Probe {
    int x, y;
    TColor color;
  } probes[] = {
      {192, 100, kGrey},   {191, 100, kGrey},   {193, 100, kWhite},  // y axis, two pixels wide
      {100, 192, kGrey},   {100, 191, kGrey},   {100, 193, kWhite},  // x axis
      {176, 100, kSilver}, {177, 100, kWhite},  {175, 100, kWhite},  // x = -1, one pixel
      {112, 100, kGrey},   {272, 100, kGrey},   {100, 112, kGrey},   // multiples of 5
      {0, 100, kSilver},   {383, 100, kSilver}, {100, 0, kSilver},   // borders, inside
      {100, 383, kSilver}, {200, 200, kWhite},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(At(canvas, p.x, p.y), p.color) << p.x << "," << p.y;
  }
}

TEST(PlanePixels, AxisColourOffAndTheSecondPlane) {
  EditorState state = State();
  state.Options.chkJikuColor = false;
  QtCanvas canvas(10, 10);
  DrawCood(canvas, Plane384(), state);
  EXPECT_EQ(At(canvas, 192, 100), kRed);
  EXPECT_EQ(At(canvas, 112, 100), kNavy);

  QtCanvas second(10, 10);
  DrawCood2(second, Plane384(), Plane384(), State());
  EXPECT_EQ(At(second, 192, 100), kRed);
  EXPECT_EQ(At(second, 191, 100), kWhite);  // thin axis
  EXPECT_EQ(At(second, 100, 192), kRed);    // not-xor red over white is red
  EXPECT_EQ(At(second, 112, 100), kNavy);
}

TEST(PlanePixels, NumbersAndLettersAreWrittenInBlack) {
  QtCanvas canvas(10, 10);
  PlaneSettings s = Plane384();
  s.chkMemori = true;
  s.chkXY = true;
  DrawCood(canvas, s, State());
  auto blackIn = [&](int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) count += At(canvas, x, y) == kBlack ? 1 : 0;
    }
    return count;
  };
  EXPECT_GT(blackIn(247, 193, 247 + 24, 193 + 16), 0);  // "  5" right of the y axis
  EXPECT_GT(blackIn(364, 187, 384, 187 + 24), 0);       // "x"
  EXPECT_EQ(blackIn(200, 200, 240, 240), 0);
}

TEST(PlanePixels, CurveOfSixOverXCoversItsLatticePoint) {
  QtCanvas canvas(10, 10);
  EditorState state = State();
  const PlaneGeometry g = DrawCood(canvas, Plane384(), state);
  DrawLine(canvas, g, Curve(2, 3, kModeWhole, kOpenLeft, kOpenRight), false, state);
  const PixelPoint p = g.LatticeToPixel(2, 3);
  EXPECT_EQ(At(canvas, p.x, p.y), kCurveColor);
  const PixelPoint q = g.LatticeToPixel(-6, -1);
  EXPECT_EQ(At(canvas, q.x, q.y), kCurveColor);
}

// Everything the interactive drawing puts down in not-xor must come off again exactly.
TEST(PlanePixels, DrawingACurveTwiceInNotXorLeavesThePlane) {
  const TLineData curves[] = {
      Curve(2, 3, kModeWhole, kOpenLeft, kOpenRight),
      Curve(2, 3, kModeSegment, -3, 4),
      Curve(-1, 4, kModeSegment, 1, 5),
      Curve(1, 5, kModeRight, -2, kOpenRight),
      Curve(3, 2, kModeLeft, kOpenLeft, 2),
  };
  for (const int32_t width : {1, 2, 3}) {
    for (const TLineData& base : curves) {
      EditorState state = State();
      state.Options.chkMaruX = true;
      state.LineWidth = width;
      QtCanvas canvas(10, 10);
      PlaneSettings s = Plane384();
      s.chkMemori = true;
      s.chkXY = true;
      const PlaneGeometry g = DrawCood(canvas, s, state);
      const QImage before = canvas.Image().copy();
      TLineData c = base;
      c.LWidth = width;
      canvas.SetPenMode(PenMode::NotXor);
      for (int pass = 0; pass < 2; ++pass) {
        DrawLine(canvas, g, c, true, state);
        DrawLatticeMarks(canvas, g, c, state);
        DrawCutMark(canvas, g, 1, c);
        if (pass == 0) {
          ASSERT_NE(canvas.Image(), before);
        }
      }
      EXPECT_EQ(canvas.Image(), before) << "mode " << c.LMode << " width " << width;
    }
  }
}

}  // namespace
