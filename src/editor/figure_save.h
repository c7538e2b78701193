// 図を保存: the plane as shown, without selection marks, saved as a picture file for a worksheet:
// PNG at 1, 2 or 4 times its size, or SVG vectors. The save dialog starts in the program folder;
// an existing file is replaced only when the user agrees, and a failed write says why.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editor/editor_display.h"
#include "services/figure_encoder.h"
#include "services/prompter.h"

struct FigureTarget {
  std::string path;
  int32_t factor = 1;  // PNG pixels per plane pixel; 0 for SVG
  friend bool operator==(const FigureTarget&, const FigureTarget&) = default;
};

// What to write for the chosen name and filter (0..3: PNG 1×, 2×, 4×, SVG; -1 not known): a
// name ending in .png or .svg keeps its kind (a .png under the SVG filter, or with no filter
// known, is 1×); any other name gets the filter's extension added.
FigureTarget FigureFor(const std::string& path, int32_t filter);

// The name proposed: the work's file name with .png for its extension ("Mevrolin.png" for a new
// work).
std::string ProposedFigureName(const std::string& curFileName);

// The whole command; true when a file was written.
bool SaveFigure(EditorDisplay& display, const EditorState& state, Prompter& prompter,
                FigureEncoder& encoder);
