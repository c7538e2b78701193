// A Canvas for tests: keeps every operation as one line of text, with the pen, brush and font
// state in force, so a test can check exact coordinates.
#pragma once

#include <string>
#include <vector>

#include "render/canvas.h"

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int32_t width = 544, int32_t height = 544);

  // Operations in order, e.g. "LineTo 10,20", "Text 7,18 y [Bookman Old Style 14 italic #FFFFFF]",
  // "Ellipse 5,5,15,15 pen #0000FF w1 brush #0000FF", "Fill 0,0,161,65 #808000".
  std::vector<std::string> ops;

  // Only the operations starting with the prefix (e.g. "Text", "Ellipse").
  std::vector<std::string> Ops(const std::string& prefix) const;
  void Clear() { ops.clear(); }

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Resize(int32_t width, int32_t height) override;
  void SetPenColor(TColor color) override { penColor_ = color; }
  void SetPenWidth(int32_t width) override { penWidth_ = width; }
  void SetPenMode(PenMode mode) override { penMode_ = mode; }
  PenMode GetPenMode() const override { return penMode_; }
  void SetBrushColor(TColor color) override {
    brushColor_ = color;
    brushNone_ = false;
  }
  void SetBrushNone() override { brushNone_ = true; }
  void SetFontName(std::string_view name) override { fontName_ = name; }
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

  // The state in force, as tests may want to check it.
  TColor penColor() const { return penColor_; }
  int32_t penWidth() const { return penWidth_; }
  const std::string& fontName() const { return fontName_; }
  bool fontItalic() const { return fontItalic_; }
  TColor fontColor() const { return fontColor_; }

 private:
  std::string Pen() const;
  std::string Brush() const;

  int32_t width_;
  int32_t height_;
  TColor penColor_ = kBlack;
  int32_t penWidth_ = 1;
  PenMode penMode_ = PenMode::Copy;
  TColor brushColor_ = kWhite;
  bool brushNone_ = false;
  std::string fontName_{kFontPGothic};
  int32_t fontSize_ = 9;
  bool fontItalic_ = false;
  TColor fontColor_ = kBlack;
};

// A 0x00BBGGRR colour as the ops write it: "#BBGGRR".
std::string ColorHex(TColor color);
