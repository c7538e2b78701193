#include "platform/qt_figure_encoder.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "platform/painter_canvas.h"
#include "platform/qt_canvas.h"
#include "render/scaled_canvas.h"

std::string QtFigureEncoder::Png(const Drawing& draw, int32_t factor) {
  QtCanvas image(1, 1);
  ScaledCanvas scaled(image, factor);
  draw(scaled);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.Image().isNull() || !image.Image().save(&buffer, "PNG")) return {};
  return bytes.toStdString();
}

std::string QtFigureEncoder::Svg(const Drawing& draw, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setResolution(96);
  QPainter painter;
  if (!painter.begin(&generator)) return {};
  {
    PainterCanvas canvas(painter, width, height);
    draw(canvas);
  }
  if (!painter.end()) return {};
  return bytes.toStdString();
}
