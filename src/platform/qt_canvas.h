// The Canvas on a QImage (RGB32, no antialiasing of shapes): what the plane, curves and panel
// texts are drawn on, on screen, in print and on the clipboard.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <memory>
#include <optional>
#include <vector>

#include "render/canvas.h"

class QtCanvas : public Canvas {
 public:
  QtCanvas(int32_t width, int32_t height);  // all white
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // The picture with everything drawn so far. The reference stays valid, but take copies only
  // between drawing operations.
  QImage& Image();
  const QImage& Image() const;

  int32_t Width() const override;
  int32_t Height() const override;
  void Resize(int32_t width, int32_t height) override;

  void SetPenColor(TColor color) override;
  void SetPenWidth(int32_t width) override;
  void SetPenMode(PenMode mode) override;
  PenMode GetPenMode() const override { return penMode_; }
  void SetBrushColor(TColor color) override;
  void SetBrushNone() override;

  void SetFontName(std::string_view name) override;
  void SetFontSize(int32_t points) override;
  void SetFontItalic(bool italic) override;
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

  // The font the texts are drawn in (for tests and for measuring).
  QFont Font() const;

 private:
  enum class Shape { Rectangle, Ellipse };

  QPainter& Painter() const;
  void EndPainting() const;
  void FlushRun() const;
  void SettleWhite() const;
  void DrawShape(Shape shape, int32_t left, int32_t top, int32_t right, int32_t bottom);
  void SolidBlock(const QRect& block);
  void ShrinkInto(const QRect& to, const QImage& picture, const QRect& part);

  // Pixels of an ellipse box: 0 outside, 1 outline, 2 inside.
  struct EllipseMask {
    int32_t width = 0;
    int32_t height = 0;
    int32_t pen = 1;
    std::vector<uint8_t> cells;
  };
  static void FillEllipse(QPainter& p, const QRect& outer, const QRect& inner,
                          const QColor& ringColor, const QColor& insideColor);
  const EllipseMask& MaskFor(int32_t width, int32_t height, int32_t pen);
  void PaintMask(const EllipseMask& mask, const QPoint& at);

  mutable QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  // A MoveTo/LineTo run not yet painted: painted as one polyline so that each shared vertex is
  // painted once, which keeps not-xor drawing reversible.
  mutable QPolygon run_;
  mutable bool whitePending_ = false;  // the picture is to be all white
  QPoint penPos_;

  TColor penColor_ = kBlack;
  int32_t penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
  TColor brushColor_ = kWhite;
  bool brushNone_ = false;

  QString fontFamily_;
  int32_t fontSize_ = 9;
  bool fontItalic_ = false;
  TColor fontColor_ = kBlack;
  // The font in force and its ascent, made when a text is first written with them.
  struct TextFont {
    QFont font;
    int32_t ascent = 0;
  };
  std::optional<TextFont> textFont_;

  std::vector<EllipseMask> ellipseMasks_;
};

// 0x00BBGGRR as a Qt colour, and back.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
