// The texts of a practice record: two-digit numbers, the date and the time of day as the
// records and the practice window write them.
#pragma once

#include <cstdint>
#include <string>

#include "services/clock.h"

// The decimal digits of n when n > 9, otherwise "0" and the one digit: 0 → "00", 7 → "07",
// 125 → "125".
std::string Pad2(int32_t n);

// "2003年06月05日" (CP932).
std::string DateText(const DateTime& now);

// "09:05".
std::string ClockText(const DateTime& now);
