#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include "platform/qt_canvas.h"

// The program's pictures are all QtCanvas images; any other canvas has nothing to give.
void QtClipboard::PutImage(const Canvas& image) {
  const auto* canvas = dynamic_cast<const QtCanvas*>(&image);
  if (canvas != nullptr) QGuiApplication::clipboard()->setImage(canvas->Image());
}

bool QtClipboard::DrawImageOn(Canvas& target) {
  auto* canvas = dynamic_cast<QtCanvas*>(&target);
  if (canvas == nullptr) return false;
  const QImage picture = QGuiApplication::clipboard()->image();
  if (picture.isNull()) return false;
  QPainter painter(&canvas->Image());
  painter.drawImage(0, 0, picture);
  return true;
}
