// The empty coordinate plane: grid, axes, scale numbers and axis letters, drawn into a plane image
// from one plane-settings window, and the geometry that the curves and clicks on it use.
#pragma once

#include <cstdint>
#include <string>

#include "model/editor_state.h"
#include "render/canvas.h"
#include "render/plane_geometry.h"
#include "render/plane_settings.h"

// Colours of the grid lines (0x00BBGGRR).
inline constexpr TColor kSilver = 0xC0C0C0;
inline constexpr TColor kGrey = 0x808080;
inline constexpr TColor kNavy = 0x800000;
inline constexpr TColor kRed = 0x0000FF;

// Largest plane an image may get: a size typed but not yet checked by the settings window is
// cut down to it, so a half-typed number never asks for a gigantic picture.
inline constexpr int32_t kLargestPlane = 4096;

// The geometry of a plane: the size comes from sizeSettings (always the main settings window),
// spacings, start and end values from settings. Spacings outside 4..32 fall back to the last
// accepted ones.
PlaneGeometry ComputePlaneGeometry(const PlaneSettings& sizeSettings, const PlaneSettings& settings,
                                   int32_t maxCoodSize);

// The main plane: resizes the image, draws it in copy mode (unless a bitmap is pasted on it, in
// which case the image is left alone) and returns its geometry. Leaves the pen in copy mode.
PlaneGeometry DrawCood(Canvas& image, const PlaneSettings& settings, const EditorState& state);

// The practice and preview planes: spacings, numbers and fonts from settings2, the size and the
// axis-letter switch from mainSettings, the other colour scheme, thin axes, and the x axis in
// not-xor; drawn even while a picture is pasted on the main plane. The image's placement is its
// callers' business (see PlaneTop).
PlaneGeometry DrawCood2(Canvas& image, const PlaneSettings& settings2,
                        const PlaneSettings& mainSettings, const EditorState& state);

// Where the main window puts its plane image: centred in the room right of the graph list and
// vertically between the tool bar and the options box.
PixelPoint MainPlanePosition(int32_t windowWidth, int32_t windowHeight, int32_t lstShikiLeft,
                             int32_t lstShikiWidth, int32_t pnlMainHeight, int32_t grpSetteiHeight,
                             int32_t coodWidth, int32_t coodHeight);

// The top of the main plane image; the practice and preview planes are put at the same height.
int32_t PlaneTop(int32_t windowHeight, int32_t pnlMainHeight, int32_t grpSetteiHeight,
                 int32_t coodHeight);

// Writes the text in the image's current font with its top-left corner just left of and below
// the plane value (x, y).
void TextAt(Canvas& image, const PlaneGeometry& geometry, const std::string& cp932, double x,
            double y);

// "%3d": right-aligned in three characters.
std::string ScaleNumberText(int32_t value);
