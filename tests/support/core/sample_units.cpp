#include "support/core/sample_units.h"

#include "model/editor_state.h"
#include "model/equation_text.h"

namespace {

// A curve as the editor registers it from a click on (x, y): the next automatic colour,
// width 1, and the domain of the mode.
struct Maker {
  int32_t colorIndex = 0;

  TLineData Make(int32_t x, int32_t y, int32_t mode, int32_t start, int32_t end, bool incStart,
                 bool incEnd) {
    TLineData line;
    line.LMode = mode;
    line.LWidth = 1;
    line.IncStart = incStart;
    line.IncEnd = incEnd;
    line.Color = ColorTable[static_cast<std::size_t>(colorIndex++ % 16)];
    line.X1 = x;
    line.Y1 = y;
    line.HenikiStart = start;
    line.HenikiEnd = end;
    line.Shiki = EquationText(line, EquationForm::Standard);
    return line;
  }
  TLineData Whole(int32_t x, int32_t y) {
    return Make(x, y, kModeWhole, kOpenLeft, kOpenRight, true, true);
  }
  TLineData Segment(int32_t x, int32_t y, int32_t from, int32_t to, bool incFrom, bool incTo) {
    return Make(x, y, kModeSegment, from, to, incFrom, incTo);
  }
  // Half-lines include or exclude their one end.
  TLineData Right(int32_t x, int32_t y, int32_t from, bool included) {
    return Make(x, y, kModeRight, from, kOpenRight, included, included);
  }
  TLineData Left(int32_t x, int32_t y, int32_t to, bool included) {
    return Make(x, y, kModeLeft, kOpenLeft, to, included, included);
  }
};

std::vector<TLineData> Wholes(std::initializer_list<std::pair<int32_t, int32_t>> points) {
  Maker m;
  std::vector<TLineData> curves;
  for (const auto& [x, y] : points) curves.push_back(m.Whole(x, y));
  return curves;
}

}  // namespace

std::vector<SampleUnit> SampleUnits() {
  std::vector<SampleUnit> units;
  units.push_back({"01_graph_plus.mvr", "反比例のグラフ（ａ＞０）",
                   "y = 6/x, 12/x and 2/x: the two branches lie in the first and third "
                   "quadrants, approach the axes and never meet them; (2, 3) and (-2, -3) "
                   "lie on y = 6/x together.",
                   Wholes({{2, 3}, {3, 4}, {1, 2}})});
  units.push_back({"02_graph_minus.mvr", "反比例のグラフ（ａ＜０）",
                   "y = -6/x, -12/x and -2/x: with a negative constant the branches lie in "
                   "the second and fourth quadrants.",
                   Wholes({{-2, 3}, {3, -4}, {-1, 2}})});
  units.push_back({"03_compare_a.mvr", "比例定数ａとグラフの形",
                   "y = 1/x, 4/x, 9/x and 16/x, then y = -4/x: the larger |a|, the farther the "
                   "curve from the origin; the sign of a decides the quadrants.",
                   Wholes({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {-2, 2}})});
  {
    Maker m;
    units.push_back(
        {"04_domain_segment.mvr",
         "変域のあるグラフ（両端のある変域）",
         "Domains with two ends, one of each kind: 1 ≦ x ≦ 3 on y = 6/x, 2 ≦ x ＜ 6 on "
         "y = 12/x, -4 ＜ x ≦ -1 on y = -8/x and 1 ＜ x ＜ 6 on y = -6/x; filled and open "
         "end circles, and the y range each domain gives.",
         {m.Segment(1, 6, 1, 3, true, true), m.Segment(2, 6, 2, 6, true, false),
          m.Segment(-1, 8, -4, -1, false, true), m.Segment(1, -6, 1, 6, false, false)}});
  }
  {
    Maker m;
    units.push_back({"05_domain_halfline.mvr",
                     "変域のあるグラフ（一方に限りのない変域）",
                     "Domains open on one side: x ≧ 2 on y = 4/x, x ＞ 3 on y = -6/x, x ≦ -3 on "
                     "y = -12/x and x ＜ -2 on y = 8/x; the curve goes on to the edge of the plane "
                     "and the y range has one end only.",
                     {m.Right(2, 2, 2, true), m.Right(3, -2, 3, false), m.Left(-3, 4, -3, true),
                      m.Left(-2, -4, -2, false)}});
  }
  units.push_back({"11_test_basic.tst", "反比例のグラフ　練習１（ａ＞０）",
                   "Four curves with a positive constant and a point close to the origin: "
                   "y = 6/x, 4/x, 8/x and 3/x.",
                   Wholes({{2, 3}, {2, 2}, {2, 4}, {1, 3}})});
  units.push_back({"12_test_signs.tst", "反比例のグラフ　練習２（ａの符号）",
                   "Five curves of both signs, so the quadrants must be read from a: "
                   "y = -6/x, 10/x, -9/x, 5/x and -2/x.",
                   Wholes({{-2, 3}, {2, 5}, {3, -3}, {1, 5}, {-1, 2}})});
  units.push_back({"13_test_advanced.tst", "反比例のグラフ　練習３（まとめ）",
                   "Six curves whose lattice points lie far out, several with a prime "
                   "constant so that only (±1, ±a) and (±a, ±1) serve: y = 7/x, -11/x, 9/x, "
                   "-10/x, -8/x and -1/x.",
                   Wholes({{1, 7}, {-1, 11}, {3, 3}, {-2, 5}, {2, -4}, {-1, 1}})});
  return units;
}
