#include "render/plane_geometry.h"

#include <algorithm>
#include <cmath>

int32_t PlaneGeometry::LeftColumn() const {
  return PixelSum(int64_t{OriginX} + int64_t{StartX} * DX);
}

int32_t PlaneGeometry::TopRow() const { return PixelSum(int64_t{OriginY} - int64_t{EndY} * DY); }

PixelPoint PlaneGeometry::LatticeToPixel(int32_t x, int32_t y) const {
  return {PixelSum(int64_t{x} * DX + OriginX), PixelSum(int64_t{OriginY} - int64_t{y} * DY)};
}

LatticePoint PlaneGeometry::PixelToLattice(int32_t px, int32_t py) const {
  // Integer division truncates toward zero, as the snapping rule wants; guarded so that an
  // unset geometry never divides by zero.
  const int64_t dx = std::max(DX, 1);
  const int64_t dy = std::max(DY, 1);
  const int64_t x = (int64_t{px} - LeftColumn() + dx / 2) / dx + StartX;
  const int64_t y = int64_t{EndY} - (int64_t{py} - TopRow() + dy / 2) / dy;
  auto narrow = [](int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return {narrow(x), narrow(y)};
}
