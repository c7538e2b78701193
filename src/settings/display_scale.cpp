#include "settings/display_scale.h"

#include <algorithm>

int32_t DisplayScaleOf(int32_t stored) {
  return std::find(kDisplayScales.begin(), kDisplayScales.end(), stored) != kDisplayScales.end()
             ? stored
             : 100;
}

std::string ScaleFactorText(int32_t percent) {
  const int32_t p = DisplayScaleOf(percent);
  std::string text = std::to_string(p / 100);
  int32_t rest = p % 100;
  if (rest == 0) return text;
  text += '.';
  while (rest != 0) {
    text += static_cast<char>('0' + rest / 10);
    rest = rest % 10 * 10;
  }
  return text;
}
