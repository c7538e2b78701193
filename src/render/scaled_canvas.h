// A Canvas that draws the same picture k times larger on another canvas: coordinates, pen
// widths, shapes and font sizes are scaled so that the picture at k = 1 is exactly the one drawn
// straight on the other canvas, and at k > 1 each pixel of it becomes a k × k block drawn finely.
// Printing, picture files and high-density screens draw through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "render/canvas.h"

class ScaledCanvas : public Canvas {
 public:
  // factor: device pixels per picture pixel, at least 1/16.
  ScaledCanvas(Canvas& device, double factor);

  double Factor() const { return factor_; }
  Canvas& Device() { return device_; }
  const Canvas& Device() const { return device_; }

  // The picture's own size: the device's size divided by the factor.
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Resize(int32_t width, int32_t height) override;

  void SetPenColor(TColor color) override { device_.SetPenColor(color); }
  void SetPenWidth(int32_t width) override;
  void SetPenMode(PenMode mode) override { device_.SetPenMode(mode); }
  PenMode GetPenMode() const override { return device_.GetPenMode(); }
  void SetBrushColor(TColor color) override { device_.SetBrushColor(color); }
  void SetBrushNone() override { device_.SetBrushNone(); }

  void SetFontName(std::string_view name) override { device_.SetFontName(name); }
  void SetFontSize(int32_t points) override;
  void SetFontItalic(bool italic) override { device_.SetFontItalic(italic); }
  void SetFontColor(TColor color) override { device_.SetFontColor(color); }
  int32_t FontSize() const override { return fontSize_; }

  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void FillRect(const PixelRect& rect, TColor color) override;
  void TextOut(int32_t x, int32_t y, const std::string& cp932) override;
  void CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                CopyMode mode) override;

  // Where picture pixel edge v lies on the device.
  int32_t Edge(int32_t v) const;
  PixelRect Edges(const PixelRect& r) const;

 private:
  // The device coordinate of a line of the current pen drawn at picture coordinate v.
  int32_t LineAt(int32_t v) const;
  // The device's box for a shape of the current pen over the picture's box.
  PixelRect ShapeBox(int32_t left, int32_t top, int32_t right, int32_t bottom) const;

  Canvas& device_;
  double factor_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t penWidth_ = 1;   // as the picture asked for it
  int32_t devicePen_ = 1;  // as the device draws it
  int32_t fontSize_ = 9;
  int32_t penX_ = 0;  // the pen position in picture coordinates
  int32_t penY_ = 0;
  int32_t movedWithPen_ = 1;  // the device pen width the device's pen position was mapped with
};
