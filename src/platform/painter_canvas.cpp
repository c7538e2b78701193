#include "platform/painter_canvas.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "platform/qt_canvas.h"
#include "platform/qt_fonts.h"
#include "platform/qt_text.h"

namespace {

// Texts are sized as on a 96 dpi screen, as on the images.
double PointsToPixels(int32_t points) {
  return std::clamp(std::round(points * 96.0 / 72.0), 1.0, 1000.0);
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int32_t width, int32_t height)
    : painter_(painter),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      fontFamily_(InstalledFamily(kFontPGothic)) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
}

PainterCanvas::~PainterCanvas() { FlushRun(); }

void PainterCanvas::Resize(int32_t width, int32_t height) {
  FlushRun();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  painter_.fillRect(QRectF(0, 0, width_, height_), Qt::white);
}

void PainterCanvas::SetPenColor(TColor color) {
  if (color == penColor_) return;
  FlushRun();
  penColor_ = color;
}

void PainterCanvas::SetPenWidth(int32_t width) {
  width = std::clamp(width, 1, 255);
  if (width == penWidth_) return;
  FlushRun();
  penWidth_ = width;
}

void PainterCanvas::SetBrushColor(TColor color) {
  brushColor_ = color;
  brushNone_ = false;
}

void PainterCanvas::SetFontName(std::string_view name) { fontFamily_ = InstalledFamily(name); }

QPen PainterCanvas::Pen() const {
  return QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// On an image a line w pixels wide at x covers the pixels x - w/2 ... x - w/2 + w - 1; its
// vector runs down the middle of them.
QPointF PainterCanvas::LineCentre(int32_t x, int32_t y) const {
  const double shift = penWidth_ / 2.0 - penWidth_ / 2;
  return QPointF(x + shift, y + shift);
}

// On an image a shape's outline covers left - w/2 ... right + w - 2 - w/2; the vector outline
// runs down the middle of that ring.
QRectF PainterCanvas::ShapeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  const double shift = penWidth_ / 2.0 - penWidth_ / 2;
  return QRectF(left + shift, top + shift, right - left - 1.0, bottom - top - 1.0);
}

void PainterCanvas::MoveTo(int32_t x, int32_t y) {
  FlushRun();
  penPos_ = LineCentre(x, y);
}

void PainterCanvas::LineTo(int32_t x, int32_t y) {
  if (run_.isEmpty()) run_ << penPos_;
  penPos_ = LineCentre(x, y);
  run_ << penPos_;
}

void PainterCanvas::FlushRun() {
  if (run_.size() >= 2) {
    painter_.setPen(Pen());
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(run_);
  }
  run_.clear();
}

void PainterCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  FlushRun();
  if (right <= left || bottom <= top) return;
  // The dots along dotted curves: small squares filled in their own colour.
  if (!brushNone_ && brushColor_ == penColor_) {
    const double half = penWidth_ / 2;
    painter_.fillRect(QRectF(left - half, top - half, right - left + penWidth_ - 1.0,
                             bottom - top + penWidth_ - 1.0),
                      ToQColor(penColor_));
    return;
  }
  painter_.setPen(Pen());
  painter_.setBrush(brushNone_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
  painter_.drawRect(ShapeRect(left, top, right, bottom));
}

void PainterCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  FlushRun();
  if (right <= left || bottom <= top) return;
  painter_.setPen(Pen());
  painter_.setBrush(brushNone_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
  painter_.drawEllipse(ShapeRect(left, top, right, bottom));
}

void PainterCanvas::FillRect(const PixelRect& rect, TColor color) {
  FlushRun();
  painter_.fillRect(QRectF(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                    ToQColor(color));
}

void PainterCanvas::TextOut(int32_t x, int32_t y, const std::string& cp932) {
  FlushRun();
  QFont font(fontFamily_);
  font.setPixelSize(static_cast<int>(PointsToPixels(fontSize_)));
  font.setItalic(fontItalic_);
  painter_.setFont(font);
  painter_.setPen(ToQColor(fontColor_));
  painter_.drawText(QPointF(x, y + QFontMetricsF(font).ascent()), ToQString(cp932));
}

void PainterCanvas::CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                             CopyMode) {
  FlushRun();
  const auto* image = dynamic_cast<const QtCanvas*>(&source);
  if (image == nullptr) return;
  painter_.drawImage(
      QRectF(target.left, target.top, target.right - target.left, target.bottom - target.top),
      image->Image(), QRectF(from.left, from.top, from.right - from.left, from.bottom - from.top));
}
