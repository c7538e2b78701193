#include "platform/qt_canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "platform/qt_fonts.h"
#include "platform/qt_text.h"

namespace {

// Texts are sized as on a 96 dpi screen, whatever the device says.
int32_t PointsToPixels(int32_t points) {
  return std::clamp(static_cast<int32_t>(std::lround(points * 96.0 / 72.0)), 1, 1000);
}

QRect ToQRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

QColor ToQColor(TColor color) {
  const auto c = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                static_cast<int>((c >> 16) & 0xFFu));
}

TColor FromQColor(const QColor& color) {
  return static_cast<TColor>(static_cast<uint32_t>(color.red()) |
                             (static_cast<uint32_t>(color.green()) << 8) |
                             (static_cast<uint32_t>(color.blue()) << 16));
}

QtCanvas::QtCanvas(int32_t width, int32_t height) : fontFamily_(InstalledFamily(kFontPGothic)) {
  Resize(width, height);
}

QtCanvas::~QtCanvas() {
  run_.clear();
  painter_.reset();
}

QImage& QtCanvas::Image() {
  EndPainting();
  return image_;
}

const QImage& QtCanvas::Image() const {
  EndPainting();
  return image_;
}

int32_t QtCanvas::Width() const { return image_.width(); }
int32_t QtCanvas::Height() const { return image_.height(); }

QPainter& QtCanvas::Painter() const {
  if (!painter_) {
    image_.bits();  // paint into a picture of our own, never one shared with a copy
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  return *painter_;
}

void QtCanvas::EndPainting() const {
  FlushRun();
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

void QtCanvas::FlushRun() const {
  if (run_.size() >= 2) {
    QPainter& p = Painter();
    // Flat ends leave the last point unpainted, as a plotter's line-to does.
    p.setPen(QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.setCompositionMode(penMode_ == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    p.drawPolyline(run_);
  }
  run_.clear();
}

void QtCanvas::Resize(int32_t width, int32_t height) {
  run_.clear();
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (painter_ && width == image_.width() && height == image_.height()) {
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    painter_->fillRect(image_.rect(), Qt::white);
    return;
  }
  EndPainting();
  image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(Qt::white);
}

void QtCanvas::SetPenColor(TColor color) {
  if (color == penColor_) return;
  FlushRun();
  penColor_ = color;
}

void QtCanvas::SetPenWidth(int32_t width) {
  width = std::clamp(width, 1, 255);  // a width of 0 draws one pixel wide, as 1 does
  if (width == penWidth_) return;
  FlushRun();
  penWidth_ = width;
}

void QtCanvas::SetPenMode(PenMode mode) {
  if (mode == penMode_) return;
  FlushRun();
  penMode_ = mode;
}

void QtCanvas::SetBrushColor(TColor color) {
  brushColor_ = color;
  brushNone_ = false;
}

void QtCanvas::SetBrushNone() { brushNone_ = true; }

void QtCanvas::SetFontName(std::string_view name) { fontFamily_ = InstalledFamily(name); }
void QtCanvas::SetFontSize(int32_t points) { fontSize_ = points; }
void QtCanvas::SetFontItalic(bool italic) { fontItalic_ = italic; }

QFont QtCanvas::Font() const {
  QFont font(fontFamily_);
  font.setPixelSize(PointsToPixels(fontSize_));
  font.setItalic(fontItalic_);
  return font;
}

void QtCanvas::MoveTo(int32_t x, int32_t y) {
  FlushRun();
  penPos_ = QPoint(x, y);
}

void QtCanvas::LineTo(int32_t x, int32_t y) {
  if (run_.isEmpty()) run_ << penPos_;
  penPos_ = QPoint(x, y);
  run_ << penPos_;
}

QPen QtCanvas::ShapePen() const {
  return QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void QtCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawShape(Shape::Rectangle, left, top, right, bottom);
}

void QtCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawShape(Shape::Ellipse, left, top, right, bottom);
}

void QtCanvas::DrawShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  FlushRun();
  if (right <= left || bottom <= top) return;  // no extent
  // A thin rectangle filled in its own pen colour is a solid block (the dots along curves).
  if (shape == Shape::Rectangle && penWidth_ == 1 && !brushNone_ && brushColor_ == penColor_) {
    QPainter& p = Painter();
    p.setCompositionMode(penMode_ == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    p.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(penColor_));
    return;
  }
  // The outline runs through the outermost pixels of the box, whose right and bottom are
  // exclusive.
  const QRect box(left, top, right - left - 1, bottom - top - 1);
  if (penMode_ == PenMode::NotXor) {
    NotXorShape(shape, box);
    return;
  }
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(ShapePen());
  p.setBrush(brushNone_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
  if (shape == Shape::Rectangle) {
    p.drawRect(box);
  } else {
    p.drawEllipse(box);
  }
}

// Outline and inside overlap when Qt paints them, which not-xor would show as holes: the shape
// is painted on a scratch picture first and each of its pixels combined with the image once.
void QtCanvas::NotXorShape(Shape shape, const QRect& box) {
  const int32_t margin = penWidth_ + 2;
  const QRect bounds = box.adjusted(-margin, -margin, margin, margin) & image_.rect();
  if (bounds.isEmpty()) return;
  QImage scratch(bounds.size(), QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::transparent);
  {
    QPainter p(&scratch);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(-bounds.topLeft());
    p.setPen(ShapePen());
    p.setBrush(brushNone_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
    if (shape == Shape::Rectangle) {
      p.drawRect(box);
    } else {
      p.drawEllipse(box);
    }
  }
  EndPainting();
  for (int32_t y = 0; y < bounds.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(bounds.top() + y)) + bounds.left();
    for (int32_t x = 0; x < bounds.width(); ++x) {
      if (qAlpha(src[x]) == 0) continue;
      dst[x] = (~(src[x] ^ dst[x]) & 0xFFFFFFu) | 0xFF000000u;
    }
  }
}

void QtCanvas::FillRect(const PixelRect& rect, TColor color) {
  FlushRun();
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(r, ToQColor(color));
}

void QtCanvas::TextOut(int32_t x, int32_t y, const std::string& cp932) {
  FlushRun();
  const QFont font = Font();
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(ToQColor(fontColor_));
  p.setFont(font);
  p.drawText(QPoint(x, y + QFontMetrics(font).ascent()), ToQString(cp932));
}

void QtCanvas::CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                        CopyMode mode) {
  FlushRun();
  const auto* other = dynamic_cast<const QtCanvas*>(&source);
  const QRect to = ToQRect(target);
  const QRect part = ToQRect(from);
  if (other == nullptr || to.isEmpty() || part.isEmpty()) return;
  // Copying from itself reads the picture as it was before the copy.
  const QImage picture = other == this ? Image().copy() : other->Image();
  if (mode == CopyMode::Plain) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(to, picture, part);
    return;
  }
  QImage piece = picture.copy(part);
  if (piece.size() != to.size()) {
    piece = piece.scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  piece.convertTo(QImage::Format_RGB32);
  EndPainting();
  const QRect clipped = to & image_.rect();
  for (int32_t y = clipped.top(); y <= clipped.bottom(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(piece.constScanLine(y - to.top()));
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int32_t x = clipped.left(); x <= clipped.right(); ++x) {
      dst[x] = ((src[x - to.left()] ^ dst[x]) & 0xFFFFFFu) | 0xFF000000u;
    }
  }
}
