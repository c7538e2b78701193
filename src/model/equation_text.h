// The one-line equation text that names a curve: "y = 6/x" or "xy = 6".
#pragma once

#include <string>

#include "model/line_data.h"

enum class EquationForm { Standard, General };

// Depends on X1 × Y1 only; ASCII, so identical in CP932 and UTF-8.
std::string EquationText(const TLineData& line, EquationForm form);
