#include "platform/qt_canvas.h"

#include <gtest/gtest.h>

#include "support/gui/pixels.h"

#include <QFontInfo>
#include <vector>

#include "platform/qt_fonts.h"
#include "support/gui/qt_print.h"

namespace {

constexpr TColor kBlue = 0xFF0000;
constexpr TColor kRedColor = 0x0000FF;
constexpr TColor kGreenish = 0x20A040;

// Every pixel of the row or column range, as colours.
std::vector<TColor> Row(const QtCanvas& canvas, int y, int x0, int x1) {
  std::vector<TColor> out;
  for (int x = x0; x <= x1; ++x) out.push_back(At(canvas, x, y));
  return out;
}

TEST(QtCanvas, StartsWhiteAndResizesToAFreshWhitePicture) {
  QtCanvas canvas(30, 20);
  EXPECT_EQ(canvas.Image().format(), QImage::Format_RGB32);
  EXPECT_EQ(At(canvas, 29, 19), kWhite);
  canvas.FillRect({0, 0, 30, 20}, kBlue);
  canvas.Resize(40, 10);
  EXPECT_EQ(canvas.Width(), 40);
  EXPECT_EQ(canvas.Height(), 10);
  EXPECT_EQ(At(canvas, 0, 0), kWhite);
  EXPECT_EQ(At(canvas, 39, 9), kWhite);
  canvas.FillRect({0, 0, 40, 10}, kBlue);
  canvas.Resize(40, 10);  // same size: still a fresh picture
  EXPECT_EQ(At(canvas, 5, 5), kWhite);
}

TEST(QtCanvas, AnEmptyPictureTakesEveryOperation) {
  QtCanvas canvas(0, 0);
  QtCanvas source(4, 4);
  canvas.MoveTo(0, 0);
  canvas.LineTo(5, 5);
  canvas.Rectangle(0, 0, 3, 3);
  canvas.Ellipse(0, 0, 3, 3);
  canvas.FillRect({0, 0, 3, 3}, kBlue);
  canvas.TextOut(0, 0, "x");
  canvas.CopyRect({0, 0, 2, 2}, source, {0, 0, 2, 2}, CopyMode::Xor);
  EXPECT_TRUE(canvas.Image().isNull());
  canvas.Resize(-3, 5);
  EXPECT_EQ(canvas.Width(), 0);
}

TEST(QtCanvas, FarCoordinatesAreClippedNotOverflowed) {
  QtCanvas canvas(20, 20);
  canvas.SetBrushColor(kBlue);
  canvas.Rectangle(INT32_MIN, INT32_MIN, INT32_MAX, 2);
  canvas.Ellipse(-3000000, -3000000, 3000000, 3000000);
  EXPECT_EQ(At(canvas, 12, 12), kBlue);
  QtCanvas source(4, 4);
  canvas.CopyRect({INT32_MIN, 0, INT32_MAX, 1}, source, {0, 0, 4, 4}, CopyMode::Xor);
  canvas.CopyRect({0, 18, 20, 20}, source, {INT32_MIN, 0, INT32_MAX, 4}, CopyMode::Plain);
  for (const int32_t width : {1, 3}) {
    canvas.SetPenWidth(width);
    canvas.MoveTo(INT32_MIN, 5);
    canvas.LineTo(INT32_MAX, 5);
    canvas.MoveTo(10, -2000000000);
    canvas.LineTo(10, 2000000000);
  }
  EXPECT_EQ(At(canvas, 3, 5), kBlack);
  EXPECT_EQ(At(canvas, 10, 15), kBlack);
}

TEST(QtCanvas, ColoursAreBlueGreenRedFromTheHighByteDown) {
  for (const TColor color : {kBlue, kRedColor, kGreenish, TColor{0x123456}, kBlack, kWhite}) {
    QtCanvas canvas(4, 4);
    canvas.FillRect({0, 0, 4, 4}, color);
    EXPECT_EQ(At(canvas, 1, 1), color) << std::hex << color;
  }
  EXPECT_EQ(ToQColor(kRedColor), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0x800000), QColor(0, 0, 128));  // navy
}

TEST(QtCanvas, LineToLeavesTheEndPointUnpainted) {
  QtCanvas canvas(20, 20);
  canvas.MoveTo(2, 5);
  canvas.LineTo(8, 5);
  canvas.LineTo(8, 9);
  const auto row = Row(canvas, 5, 1, 9);
  EXPECT_EQ(row, (std::vector<TColor>{kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack,
                                      kBlack, kWhite}));
  EXPECT_EQ(At(canvas, 8, 8), kBlack);
  EXPECT_EQ(At(canvas, 8, 9), kWhite);
}

TEST(QtCanvas, NotXorPolylinePaintsSharedVerticesOnce) {
  QtCanvas canvas(40, 40);
  canvas.SetPenMode(PenMode::NotXor);
  const std::vector<QPoint> points = {{3, 3}, {10, 3}, {10, 12}, {20, 20}, {30, 14}, {36, 14}};
  canvas.MoveTo(points[0].x(), points[0].y());
  for (size_t i = 1; i < points.size(); ++i) canvas.LineTo(points[i].x(), points[i].y());
  // Not-xor of black on white gives black; a pixel painted twice would turn white again.
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    EXPECT_EQ(At(canvas, points[i].x(), points[i].y()), kBlack) << "vertex " << i;
  }
  EXPECT_EQ(At(canvas, 36, 14), kWhite);
  EXPECT_EQ(Row(canvas, 3, 3, 10), std::vector<TColor>(8, kBlack));
}

TEST(QtCanvas, PenChangesInsideARunKeepTheRunConnected) {
  QtCanvas canvas(20, 10);
  canvas.MoveTo(1, 4);
  canvas.LineTo(6, 4);
  canvas.SetPenColor(kBlue);
  canvas.LineTo(12, 4);
  EXPECT_EQ(Row(canvas, 4, 0, 12),
            (std::vector<TColor>{kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlue, kBlue,
                                 kBlue, kBlue, kBlue, kBlue, kWhite}));
}

TEST(QtCanvas, RectangleExcludesRightAndBottomAndFillsInside) {
  QtCanvas canvas(30, 30);
  canvas.SetPenColor(kBlack);
  canvas.SetBrushColor(kRedColor);
  canvas.Rectangle(10, 10, 20, 16);
  EXPECT_EQ(At(canvas, 10, 10), kBlack);
  EXPECT_EQ(At(canvas, 19, 15), kBlack);
  EXPECT_EQ(At(canvas, 19, 10), kBlack);
  EXPECT_EQ(At(canvas, 20, 12), kWhite);
  EXPECT_EQ(At(canvas, 12, 16), kWhite);
  EXPECT_EQ(At(canvas, 9, 12), kWhite);
  EXPECT_EQ(At(canvas, 15, 13), kRedColor);

  canvas.SetBrushNone();
  canvas.Rectangle(2, 2, 8, 8);
  EXPECT_EQ(At(canvas, 2, 2), kBlack);
  EXPECT_EQ(At(canvas, 5, 5), kWhite);
}

TEST(QtCanvas, ADotIsATwoByTwoSquare) {
  for (const PenMode mode : {PenMode::Copy, PenMode::NotXor}) {
    QtCanvas canvas(10, 10);
    canvas.SetPenMode(mode);
    canvas.SetPenColor(kBlack);
    canvas.SetBrushColor(kBlack);
    canvas.Rectangle(4, 4, 6, 6);
    int painted = 0;
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) painted += At(canvas, x, y) == kBlack ? 1 : 0;
    }
    EXPECT_EQ(painted, 4);
    EXPECT_EQ(At(canvas, 5, 5), kBlack);
  }
}

TEST(QtCanvas, EllipseStaysInsideItsBoxAndAnEmptyBoxDrawsNothing) {
  QtCanvas canvas(30, 30);
  canvas.SetPenColor(kBlue);
  canvas.SetBrushColor(kWhite);
  canvas.Ellipse(10, 10, 10, 10);
  const QImage blank = canvas.Image().copy();
  EXPECT_EQ(canvas.Image(), blank);
  canvas.FillRect({0, 0, 30, 30}, kGreenish);
  canvas.Ellipse(5, 5, 15, 15);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      if (x < 5 || x >= 15 || y < 5 || y >= 15) {
        ASSERT_EQ(At(canvas, x, y), kGreenish) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(At(canvas, 10, 5), kBlue);
  EXPECT_EQ(At(canvas, 10, 10), kWhite);
}

// Every kind of shape, in several widths and colours, drawn twice in not-xor over a coloured
// picture, leaves the picture exactly as it was.
TEST(QtCanvas, NotXorDrawnTwiceRestoresThePicture) {
  QtCanvas canvas(80, 80);
  for (int i = 0; i < 8; ++i) {
    canvas.FillRect({i * 10, 0, i * 10 + 5, 80}, 0x102030 * (i + 1));
  }
  canvas.MoveTo(0, 40);
  canvas.LineTo(80, 40);
  const QImage before = canvas.Image().copy();

  auto draw = [](QtCanvas& c) {
    c.SetPenMode(PenMode::NotXor);
    for (const int32_t width : {1, 2, 3}) {
      c.SetPenWidth(width);
      c.SetPenColor(kBlue);
      c.SetBrushColor(kBlue);
      c.MoveTo(2, 70 - width * 5);
      for (int x = 5; x < 78; x += 6) c.LineTo(x, (x * x) / 100 + width);
      c.Rectangle(30, 30, 32, 32);
      c.SetBrushColor(kWhite);
      c.Ellipse(40 + width * 10, 50, 48 + width * 10, 58);
      c.SetBrushNone();
      c.SetPenColor(kBlack);
      c.Rectangle(10, 50, 20, 60);
      c.Ellipse(20 + width, 60, 30 + width * 3, 70);
      c.Ellipse(-10, -5, 75 + width, 78);  // larger than the cached masks
    }
    c.SetPenMode(PenMode::Copy);
  };
  draw(canvas);
  EXPECT_NE(canvas.Image(), before);
  draw(canvas);
  EXPECT_EQ(canvas.Image(), before);
}

TEST(QtCanvas, ACopyOfTheImageIsNotChangedByLaterDrawing) {
  QtCanvas canvas(20, 20);
  canvas.MoveTo(0, 1);
  canvas.LineTo(10, 1);
  const QImage copy = canvas.Image();
  canvas.FillRect({0, 0, 20, 20}, kBlue);
  canvas.MoveTo(0, 3);
  canvas.LineTo(10, 3);
  EXPECT_EQ(FromQColor(QColor(copy.pixel(5, 1))), kBlack);
  EXPECT_EQ(FromQColor(QColor(copy.pixel(5, 10))), kWhite);
  EXPECT_EQ(At(canvas, 5, 10), kBlue);
  const QImage blue = canvas.Image();
  canvas.Resize(20, 20);
  EXPECT_EQ(FromQColor(QColor(blue.pixel(5, 10))), kBlue);
  EXPECT_EQ(At(canvas, 5, 10), kWhite);
}

TEST(QtCanvas, TextHasItsTopLeftAtThePointAndNoBackground) {
  QtCanvas canvas(120, 60);
  canvas.FillRect({0, 0, 120, 60}, kGreenish);
  canvas.SetFontName(kFontPGothic);
  canvas.SetFontSize(14);
  canvas.SetFontColor(kBlack);
  canvas.TextOut(30, 20, "88");
  int top = 60, left = 120, bottom = -1;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (At(canvas, x, y) == kGreenish) continue;
      top = std::min(top, y);
      left = std::min(left, x);
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(bottom, 0) << "nothing was written";
  EXPECT_GE(top, 20);
  EXPECT_LE(top, 20 + 8);  // the digits start a little below the font's top
  EXPECT_GE(left, 30);
  EXPECT_LE(left, 30 + 4);
  EXPECT_LE(bottom, 20 + 19);  // 14 points are 19 pixels at 96 dpi
  EXPECT_EQ(At(canvas, 5, 5), kGreenish);
}

TEST(QtCanvas, FontsResolveToInstalledFaces) {
  InstallFontSubstitutions();
  struct Case {
    std::string_view name;
    const char* family;
  };
  for (const Case& c : {Case{kFontPGothic, "IPAPGothic"}, Case{kFontGothic, "IPAGothic"},
                        Case{kFontBookman, "URW Bookman"}}) {
    const QString name = QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size()));
    EXPECT_TRUE(QFontInfo(QFont(name)).family().startsWith(c.family))
        << c.family << " for " << c.name << ": " << QFontInfo(QFont(name)).family().toStdString();
    QtCanvas canvas(4, 4);
    canvas.SetFontName(c.name);
    canvas.SetFontItalic(true);
    const QFontInfo info(canvas.Font());
    EXPECT_TRUE(info.family().startsWith(c.family)) << info.family().toStdString();
  }
  QtCanvas canvas(4, 4);
  canvas.SetFontSize(12);
  EXPECT_EQ(canvas.Font().pixelSize(), 16);
}

TEST(QtCanvas, CopyRectStretchesAndXorTwiceRestores) {
  QtCanvas source(2, 2);
  source.FillRect({0, 0, 1, 2}, kBlue);
  source.FillRect({1, 0, 2, 2}, kRedColor);

  QtCanvas target(10, 10);
  target.FillRect({0, 0, 10, 10}, kGreenish);
  const QImage before = target.Image().copy();
  target.CopyRect({2, 2, 6, 6}, source, {0, 0, 2, 2}, CopyMode::Plain);
  EXPECT_EQ(At(target, 2, 2), kBlue);
  EXPECT_EQ(At(target, 3, 5), kBlue);
  EXPECT_EQ(At(target, 4, 2), kRedColor);
  EXPECT_EQ(At(target, 5, 5), kRedColor);
  EXPECT_EQ(At(target, 6, 6), kGreenish);

  QtCanvas other(10, 10);
  other.FillRect({0, 0, 10, 10}, kGreenish);
  other.CopyRect({0, 0, 4, 4}, source, {0, 0, 2, 2}, CopyMode::Xor);
  EXPECT_EQ(At(other, 0, 0), kGreenish ^ kBlue);
  other.CopyRect({0, 0, 4, 4}, source, {0, 0, 2, 2}, CopyMode::Xor);
  EXPECT_EQ(other.Image(), before);
}

// A shrinking copy keeps every one-pixel line: at any scale each source column reaches some
// target column, in its own colour over white, and colours sharing a target pixel darken.
TEST(QtCanvas, ShrinkingCopyKeepsEveryOnePixelLine) {
  for (int32_t percent : {50, 60, 70, 80, 90}) {
    const int32_t width = 40 * percent / 100;
    for (int32_t column = 0; column < 40; ++column) {
      QtCanvas source(40, 10);
      source.FillRect({0, 0, 40, 10}, kWhite);
      source.FillRect({column, 0, column + 1, 10}, kBlue);
      QtCanvas target(width, 5);
      target.CopyRect({0, 0, width, 5}, source, {0, 0, 40, 10}, CopyMode::Plain);
      int32_t blue = 0;
      for (int32_t x = 0; x < width; ++x) blue += At(target, x, 2) == kBlue ? 1 : 0;
      EXPECT_EQ(blue, 1) << percent << "% column " << column;
    }
  }
  QtCanvas pair(2, 1);
  pair.FillRect({0, 0, 1, 1}, kBlue);
  pair.FillRect({1, 0, 2, 1}, kRedColor);
  QtCanvas one(1, 1);
  one.CopyRect({0, 0, 1, 1}, pair, {0, 0, 2, 1}, CopyMode::Plain);
  EXPECT_EQ(At(one, 0, 0), kBlack);
}

}  // namespace
