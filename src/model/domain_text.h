// The x-domain and y-range texts of a curve with a restricted domain, in CP932 bytes, with
// full-width inequality signs and exact reduced fractions ("-3 ≦ x ≦ -1", "-6≦ y ≦-2").
#pragma once

#include <string>

#include "model/line_data.h"

// "≦" when the end is included, "＜" when not.
const std::string& LtSign(bool included);
// "≧" when the end is included, "＞" when not.
const std::string& GtSign(bool included);

// Empty for a whole curve and for modes outside 1..3.
std::string XDomainText(const TLineData& line);
std::string YRangeText(const TLineData& line);
