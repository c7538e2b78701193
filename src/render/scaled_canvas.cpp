#include "render/scaled_canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallestFactor = 1.0 / 16;
constexpr double kCoordinateBound = 1 << 30;
constexpr int32_t kWidestPen = 255;  // what a device draws at most

int32_t ToDevice(double v) {
  return static_cast<int32_t>(std::floor(std::clamp(v, -kCoordinateBound, kCoordinateBound)));
}

int32_t RoundPositive(double v) {
  return static_cast<int32_t>(std::lround(std::clamp(v, 0.0, kCoordinateBound)));
}

}  // namespace

ScaledCanvas::ScaledCanvas(Canvas& device, double factor)
    : device_(device),
      factor_(std::isfinite(factor) ? std::max(factor, kSmallestFactor) : 1.0),
      width_(RoundPositive(device.Width() / factor_)),
      height_(RoundPositive(device.Height() / factor_)),
      fontSize_(device.FontSize()) {
  SetPenWidth(1);
}

void ScaledCanvas::Resize(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  device_.Resize(RoundPositive(width_ * factor_), RoundPositive(height_ * factor_));
}

void ScaledCanvas::SetPenWidth(int32_t width) {
  // A width of 0 draws as 1 does, on the device as in the picture.
  penWidth_ = std::clamp(width, 1, kWidestPen);
  devicePen_ = std::clamp(RoundPositive(penWidth_ * factor_), 1, kWidestPen);
  device_.SetPenWidth(devicePen_);
}

void ScaledCanvas::SetFontSize(int32_t points) {
  fontSize_ = points;
  device_.SetFontSize(std::max(RoundPositive(points * factor_), 1));
}

int32_t ScaledCanvas::Edge(int32_t v) const { return ToDevice(v * factor_); }

PixelRect ScaledCanvas::Edges(const PixelRect& r) const {
  return PixelRect{Edge(r.left), Edge(r.top), Edge(r.right), Edge(r.bottom)};
}

// A line w pixels wide at v covers the pixels v - w/2 ... v - w/2 + w - 1; on the device it is
// put where it covers those pixels enlarged.
int32_t ScaledCanvas::LineAt(int32_t v) const {
  return ToDevice((static_cast<double>(v) - penWidth_ / 2) * factor_) + devicePen_ / 2;
}

void ScaledCanvas::MoveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
  movedWithPen_ = devicePen_;
  device_.MoveTo(LineAt(x), LineAt(y));
}

void ScaledCanvas::LineTo(int32_t x, int32_t y) {
  // The pen position was mapped for another width: put it where this width draws from.
  if (movedWithPen_ != devicePen_) {
    device_.MoveTo(LineAt(penX_), LineAt(penY_));
    movedWithPen_ = devicePen_;
  }
  penX_ = x;
  penY_ = y;
  device_.LineTo(LineAt(x), LineAt(y));
}

// A shape's outline runs from left - w/2 to right + w - 2 - w/2 (right and bottom exclusive);
// the device's outline is put over the same stretch enlarged.
PixelRect ScaledCanvas::ShapeBox(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  const int32_t w = penWidth_;
  const int32_t d = devicePen_;
  auto first = [&](int32_t v) {
    return ToDevice((static_cast<double>(v) - w / 2) * factor_) + d / 2;
  };
  auto last = [&](int32_t v) {
    return ToDevice((static_cast<double>(v) + w - 1 - w / 2) * factor_) + 1 - d + d / 2;
  };
  const PixelRect box{first(left), first(top), last(right), last(bottom)};
  return PixelRect{box.left, box.top, std::max(box.right, box.left + 1),
                   std::max(box.bottom, box.top + 1)};
}

void ScaledCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (right <= left || bottom <= top) return;
  const PixelRect box = ShapeBox(left, top, right, bottom);
  device_.Rectangle(box.left, box.top, box.right, box.bottom);
}

void ScaledCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  if (right <= left || bottom <= top) return;
  const PixelRect box = ShapeBox(left, top, right, bottom);
  device_.Ellipse(box.left, box.top, box.right, box.bottom);
}

void ScaledCanvas::FillRect(const PixelRect& rect, TColor color) {
  device_.FillRect(Edges(rect), color);
}

void ScaledCanvas::TextOut(int32_t x, int32_t y, const std::string& cp932) {
  device_.TextOut(Edge(x), Edge(y), cp932);
}

void ScaledCanvas::CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                            CopyMode mode) {
  // A picture drawn through another scaled canvas is copied from its finer device.
  if (const auto* scaled = dynamic_cast<const ScaledCanvas*>(&source)) {
    device_.CopyRect(Edges(target), scaled->Device(), scaled->Edges(from), mode);
    return;
  }
  device_.CopyRect(Edges(target), source, from, mode);
}
