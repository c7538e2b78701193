// 表示の倍率: how much larger the windows are shown, for a projector or a dense screen. Kept in
// the settings store and applied when the program next starts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr std::array<int32_t, 4> kDisplayScales = {100, 125, 150, 200};
inline constexpr const char* kDisplayScaleKey = "DisplayScale";

// A stored percentage as one of the scales offered; anything else is 100.
int32_t DisplayScaleOf(int32_t stored);

// The percentage as a scale factor: "1", "1.25", "1.5", "2".
std::string ScaleFactorText(int32_t percent);
