// The FigureEncoder on Qt: PNG through an image drawn k times larger, SVG through Qt's SVG
// generator with the drawing put down as vectors and real text.
#pragma once

#include "services/figure_encoder.h"

class QtFigureEncoder : public FigureEncoder {
 public:
  std::string Png(const Drawing& draw, int32_t factor) override;
  std::string Svg(const Drawing& draw, int32_t width, int32_t height) override;
};
