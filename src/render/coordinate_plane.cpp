#include "render/coordinate_plane.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "render/image_ops.h"

namespace {

// How the two plane variants differ.
struct PlaneStyle {
  TColor fiveLineColor = kGrey;  // grid lines at multiples of 5
  TColor axisColor = kGrey;
  int32_t axisWidth = 2;
  bool bordersInside = true;  // pull the right and bottom border lines into the image
  bool xAxisNotXor = false;
  bool numberSizeBySpacing = true;  // else every number in the font-size setting
  int32_t letterSize = 18;
  bool mainLetterPlace = true;
};

int32_t PlaneSize(const std::string& text, int32_t maxCoodSize) {
  int32_t size = IntOfText(text);
  if (size <= 0) size = maxCoodSize;
  return std::clamp(size, 0, kLargestPlane);
}

int32_t PlaneStart(const std::string& text, int32_t units) {
  const int64_t s = IntOfText(text);
  return std::llabs(s) < 60 ? static_cast<int32_t>(s) : -(units / 2);
}

// Font size of the scale numbers by spacing; other spacings keep the size in force.
void NumberFontBySpacing(Canvas& image, int32_t spacing) {
  if (spacing == 4) image.SetFontSize(8);
  if (spacing == 8) image.SetFontSize(10);
  if (spacing == 16) image.SetFontSize(12);
}

void GridLine(Canvas& image, const PlaneStyle& style, int32_t value, int32_t x1, int32_t y1,
              int32_t x2, int32_t y2, bool isXAxisLine) {
  TColor color = kSilver;
  int32_t width = 1;
  if (value % 5 == 0) color = style.fiveLineColor;
  if (value == 0) {
    color = style.axisColor;
    width = style.axisWidth;
  }
  const bool notXor = isXAxisLine && value == 0 && style.xAxisNotXor;
  image.SetPenMode(notXor ? PenMode::NotXor : PenMode::Copy);
  image.SetPenColor(color);
  image.SetPenWidth(width);
  image.MoveTo(x1, y1);
  image.LineTo(x2, y2);
  if (notXor) image.SetPenMode(PenMode::Copy);
}

void DrawPlane(Canvas& image, const PlaneGeometry& g, const PlaneSettings& settings,
               bool axisLetters, const PlaneStyle& style, const EditorState& state) {
  const int32_t fontSize = style.numberSizeBySpacing ? 14 : settings.spnFontSize;
  ClearImage(image, kWhite, state.PanelTextColor);
  image.SetFontName(kFontPGothic);
  image.SetFontItalic(false);
  image.SetFontSize(fontSize);
  image.SetPenMode(PenMode::Copy);

  if (settings.chkZahyou) {
    const int32_t bottom = g.CoodHeight - g.OffsetY;
    for (int32_t j = 0; j <= g.UnitsX; ++j) {
      int32_t x = g.OffsetX + j * g.DX;
      if (j == g.UnitsX && style.bordersInside) x -= 1;
      GridLine(image, style, g.StartX + j, x, bottom, x, g.OffsetY, false);
    }
    for (int32_t j = 0; j <= g.UnitsY; ++j) {
      int32_t y = bottom - j * g.DY;
      if (j == 0 && style.bordersInside) y -= 1;
      GridLine(image, style, g.StartY + j, g.OffsetX, y, g.CoodWidth - g.OffsetX, y, true);
    }

    image.SetFontColor(kBlack);
    const double labelShift = (12 - settings.spnFontSize) * 0.1 - 1.5;
    if (settings.chkMemori) {
      const int32_t stepY = settings.spnScaleNumberY;
      if (stepY > 0) {
        if (style.numberSizeBySpacing) NumberFontBySpacing(image, g.DY);
        for (int32_t v = g.StartY; v <= g.EndY; ++v) {
          if (v % stepY == 0 && v != g.StartY && v != g.EndY && v != 0 && v <= g.ScaleEndY) {
            TextAt(image, g, ScaleNumberText(v), labelShift, v);
          }
        }
      }
      const int32_t stepX = settings.spnScaleNumberX;
      if (stepX > 0) {
        if (style.numberSizeBySpacing) NumberFontBySpacing(image, g.DX);
        // 0 is not skipped here: the origin gets its one "0" from the x numbers.
        for (int32_t v = g.StartX; v <= g.EndX; ++v) {
          if (v % stepX == 0 && v != g.StartX && v != g.EndX && v <= g.ScaleEndX) {
            TextAt(image, g, ScaleNumberText(v), v + labelShift, 0);
          }
        }
      }
    }

    if (axisLetters) {
      image.SetFontSize(style.letterSize);
      SetLetterFont(image, 'A');
      const int32_t middleRow = g.OffsetY + (g.DY * g.UnitsY) / 2;
      const PixelPoint xPlace =
          style.mainLetterPlace ? PixelPoint{g.CoodWidth - g.OffsetX - 20, middleRow - g.DY / 3}
                                : PixelPoint{g.CoodWidth - g.OffsetX - g.DX, middleRow - g.DY / 2};
      image.TextOut(xPlace.x, xPlace.y, "x");
      TextAt(image, g, "y", labelShift + 0.5, g.EndY);
    }
  }

  image.SetFontName(kFontPGothic);
  image.SetFontItalic(false);
}

}  // namespace

PlaneGeometry ComputePlaneGeometry(const PlaneSettings& sizeSettings, const PlaneSettings& settings,
                                   int32_t maxCoodSize) {
  PlaneGeometry g;
  g.CoodWidth = PlaneSize(sizeSettings.edtSizeX, maxCoodSize);
  g.CoodHeight = PlaneSize(sizeSettings.edtSizeY, maxCoodSize);
  g.DX = DrawingSpacing(settings.DX, settings.AcceptedDX);
  g.DY = DrawingSpacing(settings.DY, settings.AcceptedDY);
  g.UnitsX = 2 * ((g.CoodWidth / g.DX) / 2);
  g.UnitsY = 2 * ((g.CoodHeight / g.DY) / 2);
  g.StartX = PlaneStart(settings.edtStartX, g.UnitsX);
  g.StartY = PlaneStart(settings.edtStartY, g.UnitsY);
  g.ScaleEndX = IntOfText(settings.edtEndX);
  g.ScaleEndY = IntOfText(settings.edtEndY);
  g.EndX = g.StartX + g.UnitsX;
  g.EndY = g.StartY + g.UnitsY;
  g.OffsetX = (g.CoodWidth - g.UnitsX * g.DX) / 2;
  g.OffsetY = (g.CoodHeight - g.UnitsY * g.DY) / 2;
  // The grid's left line is at OffsetX and its bottom line at CoodHeight - OffsetY.
  g.OriginX = g.OffsetX - g.DX * g.StartX;
  g.OriginY = g.CoodHeight - g.OffsetY + g.DY * g.StartY;
  return g;
}

PlaneGeometry DrawCood(Canvas& image, const PlaneSettings& settings, const EditorState& state) {
  const PlaneGeometry g = ComputePlaneGeometry(settings, settings, state.MaxCoodSize);
  if (state.BitmapPasted) return g;
  image.Resize(g.CoodWidth, g.CoodHeight);
  PlaneStyle style;
  if (!state.Options.chkJikuColor) {
    style.fiveLineColor = kNavy;
    style.axisColor = kRed;
  }
  DrawPlane(image, g, settings, settings.chkXY, style, state);
  return g;
}

PlaneGeometry DrawCood2(Canvas& image, const PlaneSettings& settings2,
                        const PlaneSettings& mainSettings, const EditorState& state) {
  // A picture pasted on the main plane belongs to that plane only: this one is always drawn.
  const PlaneGeometry g = ComputePlaneGeometry(mainSettings, settings2, state.MaxCoodSize);
  image.Resize(g.CoodWidth, g.CoodHeight);
  PlaneStyle style;
  style.fiveLineColor = state.Options.chkJikuColor ? kNavy : kGrey;
  style.axisColor = state.Options.chkJikuColor ? kRed : kGrey;
  style.axisWidth = 1;
  style.bordersInside = false;
  style.xAxisNotXor = true;
  style.numberSizeBySpacing = false;
  style.letterSize = 14;
  style.mainLetterPlace = false;
  DrawPlane(image, g, settings2, mainSettings.chkXY, style, state);
  return g;
}

PixelPoint MainPlanePosition(int32_t windowWidth, int32_t windowHeight, int32_t lstShikiLeft,
                             int32_t lstShikiWidth, int32_t pnlMainHeight, int32_t grpSetteiHeight,
                             int32_t coodWidth, int32_t coodHeight) {
  const int64_t left = int64_t{lstShikiLeft} + lstShikiWidth +
                       (int64_t{windowWidth} - lstShikiWidth - coodWidth) / 2;
  return {PixelSum(left), PlaneTop(windowHeight, pnlMainHeight, grpSetteiHeight, coodHeight)};
}

int32_t PlaneTop(int32_t windowHeight, int32_t pnlMainHeight, int32_t grpSetteiHeight,
                 int32_t coodHeight) {
  const int64_t top =
      (int64_t{windowHeight} - (int64_t{pnlMainHeight} + coodHeight + grpSetteiHeight)) / 2 +
      pnlMainHeight - 28;
  return PixelSum(top);
}

void TextAt(Canvas& image, const PlaneGeometry& geometry, const std::string& cp932, double x,
            double y) {
  const int32_t px = PixelSum(int64_t{RoundPixel(x * geometry.DX)} + geometry.OriginX - 1);
  const int32_t py = PixelSum(int64_t{geometry.OriginY} - RoundPixel(y * geometry.DY) + 1);
  image.TextOut(px, py, cp932);
}

std::string ScaleNumberText(int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%3d", value);
  return buffer;
}
