#include "platform/qt_canvas.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/qt_fonts.h"
#include "platform/qt_text.h"

namespace {

constexpr int32_t kLargestMaskedEllipse = 64;
constexpr size_t kMaxEllipseMasks = 32;

// Texts are sized as on a 96 dpi screen, whatever the device says.
int32_t PointsToPixels(int32_t points) {
  return std::clamp(static_cast<int32_t>(std::lround(points * 96.0 / 72.0)), 1, 1000);
}

// Coordinates are kept within this bound, far outside any picture, so that no size or Qt's
// fixed-point rasteriser overflows.
constexpr int32_t kCoordinateLimit = 1 << 22;

int32_t Bound(int32_t v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }

QPoint BoundPoint(int32_t x, int32_t y) { return QPoint(Bound(x), Bound(y)); }

QRect ToQRect(const PixelRect& r) {
  const int32_t left = Bound(r.left);
  const int32_t top = Bound(r.top);
  return QRect(left, top, Bound(r.right) - left, Bound(r.bottom) - top);
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
  run_.reserve(256);
  Resize(width, height);
}

QtCanvas::~QtCanvas() {
  run_.clear();
  painter_.reset();
}

QImage& QtCanvas::Image() {
  EndPainting();
  SettleWhite();
  return image_;
}

const QImage& QtCanvas::Image() const {
  EndPainting();
  SettleWhite();
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
  SettleWhite();
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
  if (run_.size() < 2 || image_.isNull()) {
    run_.clear();
    return;
  }
  // Segments wholly beyond one side of the picture are left out: curves run far past the
  // plane near their asymptotes. The ends of a gap lie outside, so nothing visible is painted
  // twice.
  const int32_t margin = penWidth_ + 2;
  const int32_t minX = -margin;
  const int32_t minY = -margin;
  const int32_t maxX = image_.width() + margin;
  const int32_t maxY = image_.height() + margin;
  auto outside = [&](const QPoint& a, const QPoint& b) {
    return (a.x() < minX && b.x() < minX) || (a.x() > maxX && b.x() > maxX) ||
           (a.y() < minY && b.y() < minY) || (a.y() > maxY && b.y() > maxY);
  };
  QPainter& p = Painter();
  p.setBrush(Qt::NoBrush);
  const QColor color = ToQColor(penColor_);
  if (penMode_ == PenMode::NotXor || penWidth_ == 1) {
    // One polyline paints each pixel once, shared vertices included, and its flat ends leave
    // the last point unpainted as a plotter's line-to does; that keeps not-xor reversible.
    p.setPen(QPen(color, penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.setCompositionMode(penMode_ == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    qsizetype first = 0;
    for (qsizetype i = 1; i <= run_.size(); ++i) {
      if (i < run_.size() && !outside(run_[i - 1], run_[i])) continue;
      if (i - 1 > first) p.drawPolyline(run_.constData() + first, static_cast<int>(i - first));
      first = i;
    }
  } else {
    // Wide lines in copy mode: separate segments with square ends overlap at the joints,
    // which copy mode does not mind, and Qt rasterises them far faster than a joined stroke.
    QVarLengthArray<QLine, 256> segments;
    for (qsizetype i = 1; i < run_.size(); ++i) {
      if (!outside(run_[i - 1], run_[i])) segments.append(QLine(run_[i - 1], run_[i]));
    }
    p.setPen(QPen(color, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawLines(segments.constData(), static_cast<int>(segments.size()));
  }
  run_.clear();
}

void QtCanvas::Resize(int32_t width, int32_t height) {
  run_.clear();
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width != image_.width() || height != image_.height()) {
    EndPainting();
    image_ = QImage(width, height, QImage::Format_RGB32);
  }
  // The white is put down when something else is drawn first: a redraw clears the picture
  // to white again straight away.
  whitePending_ = true;
}

void QtCanvas::SettleWhite() const {
  if (!whitePending_) return;
  whitePending_ = false;
  if (painter_) {
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    painter_->fillRect(image_.rect(), Qt::white);
  } else {
    image_.fill(Qt::white);
  }
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

void QtCanvas::SetFontName(std::string_view name) {
  QString family = InstalledFamily(name);
  if (family == fontFamily_) return;
  fontFamily_ = std::move(family);
  textFont_.reset();
}

void QtCanvas::SetFontSize(int32_t points) {
  if (points == fontSize_) return;
  fontSize_ = points;
  textFont_.reset();
}

void QtCanvas::SetFontItalic(bool italic) {
  if (italic == fontItalic_) return;
  fontItalic_ = italic;
  textFont_.reset();
}

QFont QtCanvas::Font() const {
  QFont font(fontFamily_);
  font.setPixelSize(PointsToPixels(fontSize_));
  font.setItalic(fontItalic_);
  return font;
}

void QtCanvas::MoveTo(int32_t x, int32_t y) {
  FlushRun();
  penPos_ = BoundPoint(x, y);
}

void QtCanvas::LineTo(int32_t x, int32_t y) {
  if (run_.isEmpty()) run_ << penPos_;
  penPos_ = BoundPoint(x, y);
  run_ << penPos_;
}

void QtCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawShape(Shape::Rectangle, left, top, right, bottom);
}

void QtCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  DrawShape(Shape::Ellipse, left, top, right, bottom);
}

// A shape is painted as two disjoint fills: the outline, a ring as wide as the pen around the
// box (whose right and bottom are exclusive), in the pen colour, and the inside in the brush
// colour. Each pixel is painted once, so not-xor drawing is reversible, and Qt's fills are far
// cheaper than its stroker.
void QtCanvas::DrawShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  FlushRun();
  if (right <= left || bottom <= top) return;  // no extent
  left = Bound(left);
  top = Bound(top);
  right = Bound(right);
  bottom = Bound(bottom);
  const int32_t w = penWidth_;
  const QRect outer(left - w / 2, top - w / 2, right - left + w - 1, bottom - top + w - 1);
  const QRect inner = outer.adjusted(w, w, -w, -w);
  const bool filled = !brushNone_;
  // Rectangles filled in their own pen colour are solid blocks: the dots along curves.
  if (shape == Shape::Rectangle && filled && brushColor_ == penColor_) {
    SolidBlock(outer);
    return;
  }
  if (!outer.intersects(image_.rect())) return;
  QPainter& p = Painter();
  p.setCompositionMode(penMode_ == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                   : QPainter::CompositionMode_SourceOver);
  const QColor penColor = ToQColor(penColor_);
  const QColor brushColor = ToQColor(brushColor_);
  if (shape == Shape::Rectangle) {
    if (inner.isEmpty()) {
      p.fillRect(outer, penColor);
      return;
    }
    p.fillRect(QRect(outer.left(), outer.top(), outer.width(), w), penColor);
    p.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), w), penColor);
    p.fillRect(QRect(outer.left(), inner.top(), w, inner.height()), penColor);
    p.fillRect(QRect(inner.right() + 1, inner.top(), w, inner.height()), penColor);
    if (filled) p.fillRect(inner, brushColor);
    return;
  }
  if (outer.width() <= kLargestMaskedEllipse && outer.height() <= kLargestMaskedEllipse) {
    PaintMask(MaskFor(outer.width(), outer.height(), w), outer.topLeft());
    return;
  }
  p.setPen(Qt::NoPen);
  FillEllipse(p, outer, inner, penColor, filled ? brushColor : QColor());
}

void QtCanvas::FillEllipse(QPainter& p, const QRect& outer, const QRect& inner,
                           const QColor& ringColor, const QColor& insideColor) {
  QPainterPath ring;
  ring.setFillRule(Qt::OddEvenFill);
  ring.addEllipse(QRectF(outer));
  if (!inner.isEmpty()) ring.addEllipse(QRectF(inner));
  p.fillPath(ring, ringColor);
  if (insideColor.isValid() && !inner.isEmpty()) {
    QPainterPath inside;  // built as the ring's hole is, so the two meet without a gap
    inside.addEllipse(QRectF(inner));
    p.fillPath(inside, insideColor);
  }
}

// The small circles of end marks and lattice marks come in a few sizes: each is rasterised
// once into a mask and then written straight into the picture.
const QtCanvas::EllipseMask& QtCanvas::MaskFor(int32_t width, int32_t height, int32_t pen) {
  for (const EllipseMask& m : ellipseMasks_) {
    if (m.width == width && m.height == height && m.pen == pen) return m;
  }
  if (ellipseMasks_.size() >= kMaxEllipseMasks) ellipseMasks_.clear();
  QImage scratch(width, height, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  {
    QPainter p(&scratch);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const QRect outer(0, 0, width, height);
    FillEllipse(p, outer, outer.adjusted(pen, pen, -pen, -pen), QColor(1, 0, 0), QColor(2, 0, 0));
  }
  EllipseMask mask{width, height, pen, {}};
  mask.cells.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int32_t y = 0; y < height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int32_t x = 0; x < width; ++x) mask.cells.push_back(static_cast<uint8_t>(qRed(line[x])));
  }
  ellipseMasks_.push_back(std::move(mask));
  return ellipseMasks_.back();
}

void QtCanvas::PaintMask(const EllipseMask& mask, const QPoint& at) {
  const QRect r = QRect(at, QSize(mask.width, mask.height)) & image_.rect();
  if (r.isEmpty()) return;
  if (painter_ && !image_.isDetached()) EndPainting();
  SettleWhite();
  const QRgb colors[3] = {0, ToQColor(penColor_).rgb(), ToQColor(brushColor_).rgb()};
  const bool notXor = penMode_ == PenMode::NotXor;
  for (int32_t y = r.top(); y <= r.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    const uint8_t* cells = mask.cells.data() + static_cast<size_t>(y - at.y()) * mask.width;
    for (int32_t x = r.left(); x <= r.right(); ++x) {
      const uint8_t cell = cells[x - at.x()];
      if (cell == 0 || (cell == 2 && brushNone_)) continue;
      const QRgb color = colors[cell];
      line[x] = notXor ? (~(color ^ line[x]) & 0xFFFFFFu) | 0xFF000000u : color;
    }
  }
}

// Written straight into the picture: curves put down thousands of these dots, and the painter's
// per-call set-up would cost more than the four pixels.
void QtCanvas::SolidBlock(const QRect& block) {
  const QRect r = block & image_.rect();
  if (r.isEmpty()) return;
  if (painter_ && !image_.isDetached()) EndPainting();  // never write into a shared picture
  SettleWhite();
  const QRgb color = ToQColor(penColor_).rgb();
  for (int32_t y = r.top(); y <= r.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int32_t x = r.left(); x <= r.right(); ++x) {
      line[x] =
          penMode_ == PenMode::NotXor ? (~(color ^ line[x]) & 0xFFFFFFu) | 0xFF000000u : color;
    }
  }
}

void QtCanvas::FillRect(const PixelRect& rect, TColor color) {
  FlushRun();
  const QRect r = ToQRect(rect);
  if (r.isEmpty() || image_.isNull()) return;
  if (r.contains(image_.rect())) whitePending_ = false;
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(r, ToQColor(color));
}

void QtCanvas::TextOut(int32_t x, int32_t y, const std::string& cp932) {
  FlushRun();
  if (image_.isNull()) return;
  if (!textFont_) {
    const QFont font = Font();
    textFont_ = TextFont{font, QFontMetrics(font).ascent()};
  }
  QPainter& p = Painter();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(ToQColor(fontColor_));
  p.setFont(textFont_->font);
  p.drawText(QPoint(x, y + textFont_->ascent), ToQString(cp932));
}

void QtCanvas::CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                        CopyMode mode) {
  FlushRun();
  const auto* other = dynamic_cast<const QtCanvas*>(&source);
  const QRect to = ToQRect(target);
  const QRect part = ToQRect(from);
  if (other == nullptr || to.isEmpty() || part.isEmpty() || image_.isNull()) return;
  // Copying from itself reads the picture as it was before the copy.
  const QImage picture = other == this ? Image().copy() : other->Image();
  if (mode == CopyMode::Plain) {
    if (to.width() < part.width() || to.height() < part.height()) {
      ShrinkInto(to, picture, part);
      return;
    }
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(to, picture, part);
    return;
  }
  // Each target pixel takes the source pixel it stretches from (nearest, no smoothing);
  // source pixels outside the picture combine as black, that is not at all.
  const QImage source32 = picture.convertToFormat(QImage::Format_RGB32);
  EndPainting();
  SettleWhite();
  const QRect clipped = to & image_.rect();
  for (int32_t y = clipped.top(); y <= clipped.bottom(); ++y) {
    const int64_t sy = part.top() + (int64_t{y} - to.top()) * part.height() / to.height();
    if (sy < 0 || sy >= source32.height()) continue;
    const auto* src = reinterpret_cast<const QRgb*>(source32.constScanLine(static_cast<int>(sy)));
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int32_t x = clipped.left(); x <= clipped.right(); ++x) {
      const int64_t sx = part.left() + (int64_t{x} - to.left()) * part.width() / to.width();
      if (sx < 0 || sx >= source32.width()) continue;
      dst[x] = ((src[sx] ^ dst[x]) & 0xFFFFFFu) | 0xFF000000u;
    }
  }
}

namespace {

// The source pixels [first, last) that target pixel i of a copy from length partLength onto
// targetLength falls on: at least one.
std::pair<int64_t, int64_t> SourceSpan(int64_t i, int64_t partStart, int64_t partLength,
                                       int64_t targetLength) {
  const int64_t first = partStart + i * partLength / targetLength;
  const int64_t last = partStart + (i + 1) * partLength / targetLength;
  return {first, std::max(last, first + 1)};
}

}  // namespace

// Picking one source pixel for each target pixel would drop every other column and row at half
// size, leaving one-pixel curves dotted and grid lines gone. Each target pixel takes instead the
// darkest of the source pixels that fall on it, channel by channel: lines on white stay whole.
void QtCanvas::ShrinkInto(const QRect& to, const QImage& picture, const QRect& part) {
  const QImage source32 = picture.convertToFormat(QImage::Format_RGB32);
  EndPainting();
  SettleWhite();
  const QRect clipped = to & image_.rect();
  for (int32_t y = clipped.top(); y <= clipped.bottom(); ++y) {
    auto [sy0, sy1] = SourceSpan(y - to.top(), part.top(), part.height(), to.height());
    sy0 = std::max<int64_t>(sy0, 0);
    sy1 = std::min<int64_t>(sy1, source32.height());
    if (sy0 >= sy1) continue;
    auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int32_t x = clipped.left(); x <= clipped.right(); ++x) {
      auto [sx0, sx1] = SourceSpan(x - to.left(), part.left(), part.width(), to.width());
      sx0 = std::max<int64_t>(sx0, 0);
      sx1 = std::min<int64_t>(sx1, source32.width());
      if (sx0 >= sx1) continue;
      int red = 255;
      int green = 255;
      int blue = 255;
      for (int64_t sy = sy0; sy < sy1; ++sy) {
        const auto* src =
            reinterpret_cast<const QRgb*>(source32.constScanLine(static_cast<int>(sy)));
        for (int64_t sx = sx0; sx < sx1; ++sx) {
          red = std::min(red, qRed(src[sx]));
          green = std::min(green, qGreen(src[sx]));
          blue = std::min(blue, qBlue(src[sx]));
        }
      }
      dst[x] = qRgb(red, green, blue);
    }
  }
}
