// The questions of a practice or a test: copies of whole curves in order, and the unit they came
// from. Filled by the test command from the editor's curves or from the test file chosen by
// unit title, and read by the practice window.
#pragma once

#include <string>
#include <vector>

#include "model/line_data.h"

struct PracticeSet {
  std::vector<TLineData> curves;  // at most kMaxLines
  std::string unitName;           // CP932; the record section of a practice
  bool testMode = false;          // the editor's own curves: nothing is recorded
};
