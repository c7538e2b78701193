#include "platform/image_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qt_canvas.h"

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

void ImageView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
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
