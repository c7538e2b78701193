// Pixel positions worked out in 64 bits and clamped to 32, so no position, length or setting
// can overflow; whatever lies that far out is beyond every image anyway.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

inline int32_t ClampPixel(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}
