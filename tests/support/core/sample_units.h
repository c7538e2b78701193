// The units shipped in DATA/ for a first course on inverse proportion: what each holds and
// teaches. The files themselves are what the program's writer makes of these curves; the unit
// library's tests check that, and rewrite them when MEVROLIN_WRITE_SAMPLES is set.
#pragma once

#include <string>
#include <vector>

#include "model/line_data.h"

struct SampleUnit {
  std::string fileName;  // in DATA/
  std::string title;     // UTF-8; the file holds it in Shift-JIS
  std::string teaches;   // UTF-8, for the teacher's notes
  std::vector<TLineData> curves;
};

std::vector<SampleUnit> SampleUnits();
