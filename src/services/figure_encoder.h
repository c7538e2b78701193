// Turning a drawing into the bytes of a picture file: PNG pixels at a chosen fineness, or SVG
// vectors. The program encodes with the platform's image support; tests pass a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "render/canvas.h"

class FigureEncoder {
 public:
  // Draws the picture on the canvas it is given, which it resizes to the picture's size.
  using Drawing = std::function<void(Canvas& target)>;

  virtual ~FigureEncoder() = default;
  // A PNG file of the picture with each pixel factor × factor pixels; empty when none was made.
  virtual std::string Png(const Drawing& draw, int32_t factor) = 0;
  // An SVG file of the picture, width × height pixels; empty when none was made.
  virtual std::string Svg(const Drawing& draw, int32_t width, int32_t height) = 0;
};
