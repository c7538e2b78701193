// The mapping between lattice values and pixels of one plane image, fixed when the plane is drawn.
// Each plane image keeps its own, so a click is always mapped with the plane it was made on.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/editor_state.h"

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Pixel coordinates are kept within this bound so that far-away curve values (a steep branch
// near its asymptote, a huge constant read from a file) never overflow; the image clips them.
inline constexpr int32_t kPixelLimit = 1 << 22;

struct PlaneGeometry {
  int32_t CoodWidth = 0;  // image size in pixels
  int32_t CoodHeight = 0;
  int32_t DX = 16;  // pixels per lattice unit
  int32_t DY = 16;
  int32_t UnitsX = 0;  // lattice units across and up the plane; even
  int32_t UnitsY = 0;
  int32_t StartX = 0;  // values at the left and bottom edges
  int32_t StartY = 0;
  int32_t EndX = 0;  // values at the right and top edges
  int32_t EndY = 0;
  int32_t ScaleEndX = 99;  // largest values that get a scale number
  int32_t ScaleEndY = 99;
  int32_t OffsetX = 0;  // centring of the grid inside the image
  int32_t OffsetY = 0;
  // Pixel column of x = 0 and row of y = 0, with the centring offsets included so that curves,
  // marks and clicks agree with the grid whatever size was typed.
  int32_t OriginX = 0;
  int32_t OriginY = 0;

  PixelPoint LatticeToPixel(int32_t x, int32_t y) const;
  // Rounds to the nearest pixel, halves to the even neighbour.
  PixelPoint ValueToPixel(double x, double y) const;
  // The nearest lattice point; a pixel half-way goes to the right-hand and lower neighbour.
  LatticePoint PixelToLattice(int32_t px, int32_t py) const;

  // Pixel column of the left grid line and row of the top grid line.
  int32_t LeftColumn() const;
  int32_t TopRow() const;

  friend bool operator==(const PlaneGeometry&, const PlaneGeometry&) = default;
};

// Round to nearest, halves to even, kept within ±kPixelLimit (NaN gives 0).
inline int32_t RoundPixel(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int32_t>(
      std::nearbyint(std::clamp(value, -double{kPixelLimit}, double{kPixelLimit})));
}

// A pixel coordinate worked out in 64 bits, kept within ±kPixelLimit.
inline int32_t PixelSum(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, -kPixelLimit, kPixelLimit));
}

// Inline: the curve tracer maps every sample.
inline PixelPoint PlaneGeometry::ValueToPixel(double x, double y) const {
  return {PixelSum(int64_t{RoundPixel(x * DX)} + OriginX),
          PixelSum(int64_t{OriginY} - RoundPixel(y * DY))};
}
