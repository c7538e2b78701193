// The Canvas on a vector device (an SVG or PDF painter): the same drawing as on an image, put
// down as lines, shapes and real text, so the picture stays sharp at any size. Each stroke covers
// the very area its pixels cover on an image. Not-xor and exclusive-or copies have no meaning on
// a vector device and are drawn plainly.
#pragma once

#include <QPainter>
#include <QPolygonF>

#include "render/canvas.h"

class PainterCanvas : public Canvas {
 public:
  // painter: active on its device, which shows width × height picture pixels.
  PainterCanvas(QPainter& painter, int32_t width, int32_t height);
  ~PainterCanvas() override;
  PainterCanvas(const PainterCanvas&) = delete;
  PainterCanvas& operator=(const PainterCanvas&) = delete;

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Resize(int32_t width, int32_t height) override;

  void SetPenColor(TColor color) override;
  void SetPenWidth(int32_t width) override;
  void SetPenMode(PenMode mode) override { penMode_ = mode; }
  PenMode GetPenMode() const override { return penMode_; }
  void SetBrushColor(TColor color) override;
  void SetBrushNone() override { brushNone_ = true; }

  void SetFontName(std::string_view name) override;
  void SetFontSize(int32_t points) override { fontSize_ = points; }
  void SetFontItalic(bool italic) override { fontItalic_ = italic; }
  void SetFontColor(TColor color) override { fontColor_ = color; }
  int32_t FontSize() const override { return fontSize_; }

  void MoveTo(int32_t x, int32_t y) override;
  void LineTo(int32_t x, int32_t y) override;
  void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
  void FillRect(const PixelRect& rect, TColor color) override;
  void TextOut(int32_t x, int32_t y, const std::string& cp932) override;
  void CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                CopyMode mode) override;

 private:
  void FlushRun();
  QPointF LineCentre(int32_t x, int32_t y) const;
  QRectF ShapeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
  QPen Pen() const;

  QPainter& painter_;
  int32_t width_;
  int32_t height_;
  QPolygonF run_;  // a MoveTo/LineTo run, drawn as one polyline
  QPointF penPos_;

  TColor penColor_ = kBlack;
  int32_t penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
  TColor brushColor_ = kWhite;
  bool brushNone_ = false;
  QString fontFamily_;
  int32_t fontSize_ = 9;
  bool fontItalic_ = false;
  TColor fontColor_ = kBlack;
};
