// Equations, domains and constants drawn as panel images with mathematical layout: stacked
// fractions, italic letters, whole inequality signs; and the small fractions of table cells.
#pragma once

#include <cstdint>
#include <string>

#include "model/editor_state.h"
#include "render/canvas.h"

// Width in pixels of one layout column of the panel texts.
inline constexpr int32_t kMathColumnWidth = 7;
// Point size of panel texts and of their superscripts.
inline constexpr int32_t kMathFontSize = 14;
inline constexpr int32_t kSuperscriptFontSize = 8;

// Clears the image to PanelBackColor and lays the CP932 text out in PanelTextColor.
void DrawMathText(Canvas& image, const std::string& cp932, const EditorState& state);

// One group at a column: top over a bar over bottom, or top alone when bottom is empty.
// Returns the columns used (0 for an empty top).
int32_t DrawFraction(Canvas& image, const std::string& top, const std::string& bottom,
                     int32_t column, const EditorState& state);

// A stacked fraction in a table cell whose text area starts at (x, y), with the canvas's
// current font and pen colour; top alone when bottom is empty. Returns the width in characters.
int32_t DrawCellFraction(Canvas& canvas, const std::string& top, const std::string& bottom,
                         int32_t x, int32_t y);
