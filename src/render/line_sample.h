// The line-kind sample: a short line with its end circles showing how a curve (or the next new
// curve) is drawn, and the inequality-sign indicator that goes with the sample button.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/editor_state.h"
#include "model/line_data.h"
#include "render/canvas.h"

// Whether the circles at the start and the end of a curve's domain are filled (end included).
struct EndFlags {
  bool start = false;
  bool end = false;
  friend bool operator==(const EndFlags&, const EndFlags&) = default;
};

// The fills from the curve's line mode and inequality kind; none for a broken record (a line mode
// outside -1..4), whose circles stay open and which the caller reports.
std::optional<EndFlags> EndFlagsOf(const TLineData& curve);

// The sample of a curve with its line at y = top + 10, 40 pixels wide. A curve with an empty
// equation stands for the next new curve and takes the current settings. The shape follows the
// editor's current LineMode, the colour, width and fills follow the curve. False when the curve's
// line mode is broken (its circles are drawn open).
bool DrawLineSample(Canvas& canvas, TLineData curve, int32_t top, EditorState& state);

// Redraws imgSample from the current settings (and brings CurIncStart/CurIncEnd in line with
// the chosen inequality kind). False when the current line mode is broken.
bool DrawSampleBox(Canvas& imgSample, EditorState& state);

// Sets the sign indicator (CP932), CurIncStart and CurIncEnd from LineMode and the inequality
// kind, then redraws the sample. Unknown combinations leave text and flags as they were. False
// when the current line mode is broken.
bool ShowIneqSigns(EditorState& state, std::string& edtHeniki, Canvas& imgSample);
