// The drawing surface all rendering goes through: the few operations the plane, the curves,
// the panel texts and the samples need. QtCanvas draws them on an image; tests record them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Colours are 0x00BBGGRR, as in the work files: red is 0x0000FF, blue 0xFF0000.
using TColor = int32_t;

inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kBlack = 0x000000;

// Font names the system uses; the Qt side maps them to installed faces.
inline constexpr std::string_view kFontPGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kFontGothic = "ＭＳ ゴシック";
inline constexpr std::string_view kFontBookman = "Bookman Old Style";

// Copy paints the pen colour; NotXor combines pen and picture so that drawing twice restores it.
enum class PenMode { Copy, NotXor };

// How a rectangle copied from another canvas combines with what is there.
enum class CopyMode { Plain, Xor };

struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;   // exclusive
  int32_t bottom = 0;  // exclusive
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // A fresh picture of the new size, all white.
  virtual void Resize(int32_t width, int32_t height) = 0;

  virtual void SetPenColor(TColor color) = 0;
  virtual void SetPenWidth(int32_t width) = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  virtual PenMode GetPenMode() const = 0;
  virtual void SetBrushColor(TColor color) = 0;  // solid brush of that colour
  virtual void SetBrushNone() = 0;               // shapes are outlined only

  // Font by the system's name (UTF-8), point size and italic; text is drawn without background.
  virtual void SetFontName(std::string_view name) = 0;
  virtual void SetFontSize(int32_t points) = 0;
  virtual void SetFontItalic(bool italic) = 0;
  virtual void SetFontColor(TColor color) = 0;
  virtual int32_t FontSize() const = 0;

  // Pen movements in the way of a plotter: LineTo draws from the pen position to the point,
  // leaving the end point itself unpainted, so a run of LineTo calls paints each pixel once.
  virtual void MoveTo(int32_t x, int32_t y) = 0;
  virtual void LineTo(int32_t x, int32_t y) = 0;
  // Outline with the pen, inside with the brush; right and bottom are exclusive.
  virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
  // Fills with the colour regardless of pen and brush.
  virtual void FillRect(const PixelRect& rect, TColor color) = 0;
  // Text (CP932 bytes) with its top-left corner at (x, y), in the font colour.
  virtual void TextOut(int32_t x, int32_t y, const std::string& cp932) = 0;
  // Copies a rectangle of another canvas, stretched to the target rectangle.
  virtual void CopyRect(const PixelRect& target, const Canvas& source, const PixelRect& from,
                        CopyMode mode) = 0;
};
