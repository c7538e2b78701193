// The plane and its curves drawn k times larger: at k = 1 the very picture drawn straight on the
// image, at k > 1 the same picture enlarged, each line where its enlarged pixels lie.
#include "render/scaled_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/qt_canvas.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "support/gui/pixels.h"
#include "support/gui/qt_print.h"

namespace {

TLineData Curve(int32_t x1, int32_t y1, int32_t mode, int32_t width, TColor color) {
  TLineData c;
  c.X1 = x1;
  c.Y1 = y1;
  c.LMode = mode;
  c.LWidth = width;
  c.Color = color;
  c.IncStart = true;
  c.HenikiStart = mode == 0 ? -99 : -4;
  c.HenikiEnd = mode == 0 ? 99 : 3;
  return c;
}

// Every kind of stroke the plane shows: grid and axes, solid and dotted branches of widths 1 to
// 3, end circles, handles and lattice marks of selected curves (or the empty plane).
void DrawScene(Canvas& image, bool withText, bool withCurves = true) {
  PlaneSettings settings;
  settings.edtSizeX = "256";
  settings.edtSizeY = "256";
  settings.chkMemori = withText;
  settings.chkXY = withText;
  EditorState state;
  state.MaxCoodSize = 544;
  state.Options.chkMaruX = true;
  state.LineWidth = 2;
  const PlaneGeometry g = DrawCood(image, settings, state);
  const TLineData curves[] = {Curve(2, 3, 0, 1, 0xFF0000), Curve(1, 4, 1, 2, 0x00AA00),
                              Curve(-2, 2, 2, 3, 0x0000FF), Curve(1, -6, 3, 1, 0x808000)};
  for (const TLineData& c : curves) {
    if (!withCurves) break;
    DrawLine(image, g, c, c.LWidth != 1, state);
    DrawLatticeMarks(image, g, c, state);
  }
}

// Whether the colour is found within radius pixels of (x, y).
bool Near(const QtCanvas& image, int x, int y, int radius, TColor color) {
  for (int py = std::max(y - radius, 0); py <= std::min(y + radius, image.Height() - 1); ++py) {
    for (int px = std::max(x - radius, 0); px <= std::min(x + radius, image.Width() - 1); ++px) {
      if (At(image, px, py) == color) return true;
    }
  }
  return false;
}

struct Scale {
  int factor;
};

class ScaledPicture : public ::testing::TestWithParam<Scale> {};

// At k = 1 nothing moves by a pixel, texts included. At k > 1 every coloured pixel of the
// picture finds its colour within one picture pixel of its enlarged place, or a curve beside it
// covers the grid there (no line is lost), and
// every coloured pixel of the enlarged picture is within one picture pixel (two for the wide
// pens' caps) of its colour in the picture, or is the empty plane's own pixel that a curve no
// longer covers (no line is shifted). The axes lie exactly on their enlarged pixels.
TEST_P(ScaledPicture, IsThePictureEnlarged) {
  const int k = GetParam().factor;
  QtCanvas plain(10, 10);
  DrawScene(plain, k == 1);
  QtCanvas fine(10, 10);
  ScaledCanvas scaled(fine, k);
  DrawScene(scaled, k == 1);
  ASSERT_EQ(fine.Width(), plain.Width() * k);
  if (k == 1) {
    EXPECT_TRUE(fine.Image() == plain.Image());
    return;
  }
  QtCanvas empty(10, 10);
  DrawScene(empty, false, false);
  int lost = 0;
  int stray = 0;
  for (int y = 0; y < plain.Height(); ++y) {
    for (int x = 0; x < plain.Width(); ++x) {
      const TColor c = At(plain, x, y);
      const TColor there = At(fine, x * k + k / 2, y * k + k / 2);
      const bool coveredByCurve = c == At(empty, x, y) && Near(plain, x, y, 1, there);
      if (c != kWhite && !coveredByCurve && !Near(fine, x * k + k / 2, y * k + k / 2, k, c)) {
        ++lost;
      }
    }
  }
  for (int y = 0; y < fine.Height(); ++y) {
    for (int x = 0; x < fine.Width(); ++x) {
      const TColor c = At(fine, x, y);
      if (c != kWhite && c != At(empty, x / k, y / k) && !Near(plain, x / k, y / k, 2, c)) {
        ++stray;
      }
    }
  }
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(stray, 0);
  // The y axis is the two pixel columns 127 and 128; enlarged, exactly 2k device columns.
  const int row = 20 * k;
  EXPECT_EQ(At(fine, 127 * k - 1, row), kWhite);
  EXPECT_EQ(At(fine, 127 * k, row), kGrey);
  EXPECT_EQ(At(fine, 129 * k - 1, row), kGrey);
  EXPECT_EQ(At(fine, 129 * k, row), kWhite);
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaledPicture, ::testing::Values(Scale{1}, Scale{2}, Scale{4}),
                         [](const auto& param) {
                           return "x" + std::to_string(param.param.factor);
                         });

}  // namespace
