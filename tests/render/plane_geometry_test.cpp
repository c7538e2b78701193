#include "render/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/coordinate_plane.h"

namespace {

PlaneSettings Sized(const char* width, const char* height, int32_t dx = 16, int32_t dy = 16) {
  PlaneSettings s;
  s.edtSizeX = width;
  s.edtSizeY = height;
  s.DX = dx;
  s.DY = dy;
  return s;
}

PlaneGeometry Geometry(const PlaneSettings& s, int32_t maxCoodSize = 544) {
  return ComputePlaneGeometry(s, s, maxCoodSize);
}

struct GeometryCase {
  const char* name;
  const char* size;
  int32_t spacing;
  const char* start;
  int32_t units, startValue, endValue, offset, origin;
};

class PlaneGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(PlaneGeometryTest, FollowsSizeSpacingAndStart) {
  const GeometryCase& c = GetParam();
  PlaneSettings s = Sized(c.size, c.size, c.spacing, c.spacing);
  s.edtStartX = c.start;
  s.edtStartY = c.start;
  const PlaneGeometry g = Geometry(s);
  EXPECT_EQ(g.UnitsX, c.units);
  EXPECT_EQ(g.UnitsY, c.units);
  EXPECT_EQ(g.StartX, c.startValue);
  EXPECT_EQ(g.StartY, c.startValue);
  EXPECT_EQ(g.EndX, c.endValue);
  EXPECT_EQ(g.EndY, c.endValue);
  EXPECT_EQ(g.OffsetX, c.offset);
  EXPECT_EQ(g.OffsetY, c.offset);
  EXPECT_EQ(g.OriginX, c.origin);
  // The axes cross where the grid puts them: x = 0 is OffsetX + (0 - StartX) columns in, and
  // y = 0 the same number of rows up from the grid's bottom line.
  EXPECT_EQ(g.LatticeToPixel(g.StartX, 0).x, g.OffsetX);
  EXPECT_EQ(g.LatticeToPixel(0, g.StartY).y, g.CoodHeight - g.OffsetY);
}

INSTANTIATE_TEST_SUITE_P(
    Planes, PlaneGeometryTest,
    ::testing::Values(GeometryCase{"Centred384", "384", 16, "-99", 24, -12, 12, 0, 192},
                      GeometryCase{"Small160", "160", 16, "-99", 10, -5, 5, 0, 80},
                      GeometryCase{"Largest", "-99", 16, "-99", 34, -17, 17, 0, 272},
                      GeometryCase{"FineSpacing", "384", 4, "-99", 96, -48, 48, 0, 192},
                      GeometryCase{"Start59IsUsed", "384", 16, "59", 24, 59, 83, 0, -944},
                      GeometryCase{"Start60Centres", "384", 16, "60", 24, -12, 12, 0, 192},
                      GeometryCase{"StartMinus60Centres", "384", 16, "-60", 24, -12, 12, 0, 192},
                      GeometryCase{"EmptyStartIsZero", "384", 16, "", 24, 0, 24, 0, 0},
                      GeometryCase{"HugeStartCentres", "384", 16, "-2147483648", 24, -12, 12, 0,
                                   192},
                      GeometryCase{"TypedSizeIsCentred", "170", 16, "-99", 10, -5, 5, 5, 85},
                      GeometryCase{"OddLeftover", "171", 16, "-99", 10, -5, 5, 5, 85},
                      GeometryCase{"OtherSpacing", "384", 12, "-99", 32, -16, 16, 0, 192}),
    [](const auto& planeCase) { return std::string(planeCase.param.name); });

TEST(PlaneGeometry, SpacingOutsideTheRangeFallsBackAndNeverDividesByZero) {
  PlaneSettings s = Sized("384", "384", 0, 40);
  s.AcceptedDX = 8;
  const PlaneGeometry g = Geometry(s);
  EXPECT_EQ(g.DX, 8);
  EXPECT_EQ(g.DY, 16);  // the accepted default
  EXPECT_EQ(g.UnitsX, 48);
}

TEST(PlaneGeometry, SizesComeFromTheTextOrTheLargestPlane) {
  EXPECT_EQ(Geometry(Sized("-99", "0"), 544).CoodWidth, 544);
  EXPECT_EQ(Geometry(Sized("-99", "0"), 544).CoodHeight, 544);
  EXPECT_EQ(Geometry(Sized("320", "abc"), 544).CoodHeight, 544);
  // A size typed but not yet checked is cut down rather than allocated.
  EXPECT_EQ(Geometry(Sized("2147483647", "99999"), 544).CoodWidth, kLargestPlane);
  const PlaneGeometry tiny = Geometry(Sized("10", "10"), 0);
  EXPECT_EQ(tiny.UnitsX, 0);
  EXPECT_EQ(tiny.StartX, 0);
}

TEST(PlaneGeometry, PixelToLatticeSnapsToTheNearestPoint) {
  const PlaneGeometry g = Geometry(Sized("384", "384"));
  for (int32_t px = 0; px <= 7; ++px) EXPECT_EQ(g.PixelToLattice(px, 192).x, -12) << px;
  for (int32_t px = 8; px <= 23; ++px) EXPECT_EQ(g.PixelToLattice(px, 192).x, -11) << px;
  EXPECT_EQ(g.PixelToLattice(192, 192), (LatticePoint{0, 0}));
  EXPECT_EQ(g.PixelToLattice(184, 184), (LatticePoint{0, 0}));  // half-way: right and down
  EXPECT_EQ(g.PixelToLattice(183, 183), (LatticePoint{-1, 1}));
  for (int32_t py = 0; py <= 7; ++py) EXPECT_EQ(g.PixelToLattice(0, py).y, 12) << py;
  EXPECT_EQ(g.PixelToLattice(383, 383), (LatticePoint{12, -12}));
}

TEST(PlaneGeometry, PixelToLatticeInvertsLatticeToPixelOnEveryPlane) {
  for (const char* size : {"384", "170", "171", "200"}) {
    for (const int32_t spacing : {4, 8, 12, 16, 32}) {
      PlaneSettings s = Sized(size, size, spacing, spacing);
      s.edtStartX = "-2";
      const PlaneGeometry g = Geometry(s);
      for (int32_t x = g.StartX; x <= g.EndX; ++x) {
        for (int32_t y = g.StartY; y <= g.EndY; y += 3) {
          const PixelPoint p = g.LatticeToPixel(x, y);
          const int32_t near = spacing / 2 - 1;
          ASSERT_EQ(g.PixelToLattice(p.x, p.y), (LatticePoint{x, y})) << size << "/" << spacing;
          ASSERT_EQ(g.PixelToLattice(p.x - near, p.y + near), (LatticePoint{x, y}));
          ASSERT_EQ(g.PixelToLattice(p.x + near, p.y - near), (LatticePoint{x, y}));
        }
      }
    }
  }
}

TEST(PlaneGeometry, ValueToPixelRoundsHalvesToEven) {
  const PlaneGeometry g = Geometry(Sized("384", "384"));
  struct Case {
    double value;
    int32_t pixels;  // offset from the origin
  } cases[] = {{0.03125, 0},   {0.09375, 2}, {0.15625, 2}, {-0.03125, 0},
               {-0.09375, -2}, {0.2, 3},     {0.6, 10},    {1.0 / 3, 5}};
  for (const Case& c : cases) {
    EXPECT_EQ(g.ValueToPixel(c.value, 0).x, 192 + c.pixels) << c.value;
    EXPECT_EQ(g.ValueToPixel(0, c.value).y, 192 - c.pixels) << c.value;
  }
}

TEST(PlaneGeometry, FarValuesStayWithinThePixelLimit) {
  const PlaneGeometry g = Geometry(Sized("384", "384"));
  const double inf = std::numeric_limits<double>::infinity();
  for (const double v : {1e300, -1e300, inf, -inf, 3e9}) {
    const PixelPoint p = g.ValueToPixel(v, v);
    EXPECT_LE(std::abs(p.x), kPixelLimit);
    EXPECT_LE(std::abs(p.y), kPixelLimit);
  }
  EXPECT_EQ(g.ValueToPixel(std::nan(""), 0).x, 192);
  const PixelPoint p = g.LatticeToPixel(INT32_MIN, INT32_MAX);
  EXPECT_EQ(p, (PixelPoint{-kPixelLimit, -kPixelLimit}));
  EXPECT_EQ(g.PixelToLattice(INT32_MAX, INT32_MIN).x, INT32_MAX / 16 - 12 + 1);
}

TEST(PlaneGeometry, ThePlaneSitsCentredBesideTheList) {
  // 1024-wide window, list at 24 + 363, plane 544.
  EXPECT_EQ(MainPlanePosition(1024, 740, 24, 363, 40, 100, 544, 544), (PixelPoint{445, 40}));
  // A plane taller than the room leaves a negative half, which truncates toward zero.
  EXPECT_EQ(PlaneTop(700, 40, 201, 544), (700 - 785) / 2 + 12);
  EXPECT_EQ(PlaneTop(700, 40, 201, 544), -30);
}

}  // namespace
