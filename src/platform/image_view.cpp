#include "platform/image_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/qt_canvas.h"
#include "render/scaled_canvas.h"

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::SetCanvas(const QtCanvas* canvas) {
  canvas_ = canvas;
  Refresh();
}

void ImageView::Refresh() {
  if (canvas_ != nullptr) {
    const QSize picture(canvas_->Width(), canvas_->Height());
    if (picture != size()) resize(picture);
  }
  update();
}

QImage ComposeFine(const QImage& shown, const QImage& plain, const QImage& fine, double ratio) {
  if (shown.size() != plain.size() || fine.isNull()) return {};
  if (shown == plain) return fine;
  QImage composed = fine.convertToFormat(QImage::Format_RGB32);
  const QImage shown32 = shown.convertToFormat(QImage::Format_RGB32);
  const QImage plain32 = plain.convertToFormat(QImage::Format_RGB32);
  auto edge = [ratio](int v) { return static_cast<int>(std::floor(v * ratio)); };
  for (int y = 0; y < shown32.height(); ++y) {
    const auto* s = reinterpret_cast<const QRgb*>(shown32.constScanLine(y));
    const auto* p = reinterpret_cast<const QRgb*>(plain32.constScanLine(y));
    for (int x = 0; x < shown32.width(); ++x) {
      if (s[x] == p[x]) continue;
      const QRect block(QPoint(edge(x), edge(y)), QPoint(edge(x + 1) - 1, edge(y + 1) - 1));
      const QRect inside = block & composed.rect();
      for (int by = inside.top(); by <= inside.bottom(); ++by) {
        auto* line = reinterpret_cast<QRgb*>(composed.scanLine(by));
        std::fill(line + inside.left(), line + inside.right() + 1, s[x]);
      }
    }
  }
  return composed;
}

// The redraw at the picture's own size tells whether the fine picture is still the one shown;
// only when it changed is the fine picture drawn again.
QImage ImageView::FinePicture(double ratio) {
  QtCanvas plain(1, 1);
  redraw_(plain);
  if (plain.Image() != plain_ || ratio != fineRatio_) {
    plain_ = plain.Image().copy();
    QtCanvas fine(1, 1);
    ScaledCanvas scaled(fine, ratio);
    redraw_(scaled);
    fine_ = fine.Image().copy();
    fineRatio_ = ratio;
  }
  return ComposeFine(canvas_->Image(), plain_, fine_, ratio);
}

void ImageView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const double ratio = devicePixelRatioF();
  if (canvas_ != nullptr && redraw_ && ratio > 1.0) {
    const QImage fine = FinePicture(ratio);
    if (!fine.isNull()) {
      painter.drawImage(QRectF(0, 0, canvas_->Width(), canvas_->Height()), fine);
      return;
    }
  }
  if (canvas_ != nullptr) {
    painter.drawImage(0, 0, canvas_->Image());
  } else {
    painter.fillRect(rect(), Qt::white);
  }
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Q_EMIT MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Q_EMIT MouseUp(event->button(), p.x(), p.y());
  if (event->button() == Qt::LeftButton && rect().contains(p)) Q_EMIT Clicked();
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Q_EMIT MouseMove(p.x(), p.y());
}

void ImageView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  // Only the left button has double clicks; a quick second press of another button is a press.
  if (event->button() != Qt::LeftButton) {
    Q_EMIT MouseDown(event->button(), event->modifiers(), p.x(), p.y());
    return;
  }
  Q_EMIT DoubleClick(event->button(), p.x(), p.y());
}
