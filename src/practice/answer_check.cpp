#include "practice/answer_check.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

bool IsRightAnswer(const TLineData& question, const std::string& answerText, EquationForm form) {
  return answerText == question.Shiki || answerText == EquationText(question, form);
}

namespace {

// The constant whose equation text in this form is exactly the text, if there is one.
std::optional<int32_t> ConstantOfText(const std::string& text, EquationForm form) {
  const std::string head = form == EquationForm::Standard ? "y = " : "xy = ";
  const std::string tail = form == EquationForm::Standard ? "/x" : "";
  if (text.size() <= head.size() + tail.size()) return std::nullopt;
  if (text.compare(0, head.size(), head) != 0) return std::nullopt;
  if (text.compare(text.size() - tail.size(), tail.size(), tail) != 0) return std::nullopt;
  const char* first = text.data() + head.size();
  const char* last = text.data() + text.size() - tail.size();
  int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  TLineData line;
  line.X1 = value;
  line.Y1 = 1;
  // "+6" or "06" read as 6 but are not the text 6 is written as.
  if (EquationText(line, form) != text) return std::nullopt;
  return value;
}

struct LatticeRange {
  int32_t xlo, xhi, ylo, yhi;
};

bool Contains(const LatticeRange& r, int64_t x, int64_t y) {
  return x >= r.xlo && x <= r.xhi && y >= r.ylo && y <= r.yhi;
}

// The lattice values a click can give: snapping is monotonic, and every value between those of
// the corner pixels is reached because a unit is several pixels wide.
LatticeRange ClickRange(const PlaneGeometry& plane) {
  if (plane.CoodWidth <= 0 || plane.CoodHeight <= 0) return {1, 0, 1, 0};
  const LatticePoint topLeft = plane.PixelToLattice(0, 0);
  const LatticePoint bottomRight = plane.PixelToLattice(plane.CoodWidth - 1, plane.CoodHeight - 1);
  return {topLeft.x, bottomRight.x, bottomRight.y, topLeft.y};
}

// The constants whose clicks answer the question: the texts compare constants, the question's
// as it is kept (wrapped to 32 bits) and a click's, whose small coordinates never wrap.
std::vector<int64_t> RightConstants(const TLineData& question, EquationForm form) {
  std::vector<int64_t> constants{Teisuu(question)};
  const std::optional<int32_t> stored = ConstantOfText(question.Shiki, form);
  if (stored && *stored != constants.front()) constants.push_back(*stored);
  return constants;
}

// Calls visit(x, y) for every point of the range whose product is the constant, in order of x,
// until it returns true; true if one did.
template <typename Visit>
bool ForEachPointWithProduct(int64_t product, const LatticeRange& r, Visit visit) {
  if (r.xlo > r.xhi || r.ylo > r.yhi) return false;
  if (product == 0) {
    // The points of the axes.
    for (int64_t x = r.xlo; x <= r.xhi; ++x) {
      if (Contains(r, x, 0) && visit(x, 0)) return true;
    }
    for (int64_t y = r.ylo; y <= r.yhi; ++y) {
      if (Contains(r, 0, y) && visit(0, y)) return true;
    }
    return false;
  }
  for (int64_t x = r.xlo; x <= r.xhi; ++x) {
    if (x == 0 || product % x != 0) continue;
    const int64_t y = product / x;
    if (Contains(r, x, y) && visit(x, y)) return true;
  }
  return false;
}

}  // namespace

int32_t FirstUnanswerable(const std::vector<TLineData>& questions, const PlaneGeometry& plane,
                          EquationForm form) {
  const LatticeRange range = ClickRange(plane);
  const auto any = [](int64_t, int64_t) { return true; };
  for (std::size_t i = 0; i < questions.size(); ++i) {
    bool answerable = false;
    for (const int64_t constant : RightConstants(questions[i], form)) {
      answerable = answerable || ForEachPointWithProduct(constant, range, any);
    }
    if (!answerable) return static_cast<int32_t>(i);
  }
  return -1;
}

LatticePoint HintPoint(const TLineData& question, const PlaneGeometry& plane, EquationForm form) {
  const LatticeRange range = ClickRange(plane);
  const LatticePoint own{question.X1, question.Y1};
  if (Contains(range, own.x, own.y)) return own;
  LatticePoint best = own;
  int64_t bestDistance = INT64_MAX;
  for (const int64_t constant : RightConstants(question, form)) {
    ForEachPointWithProduct(constant, range, [&](int64_t x, int64_t y) {
      const int64_t dx = x - own.x;
      const int64_t dy = y - own.y;
      if (dx * dx + dy * dy < bestDistance) {
        bestDistance = dx * dx + dy * dy;
        best = {static_cast<int32_t>(x), static_cast<int32_t>(y)};
      }
      return false;
    });
  }
  return best;
}

int32_t FirstWithZeroConstant(const std::vector<TLineData>& questions, EquationForm form) {
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const std::vector<int64_t> constants = RightConstants(questions[i], form);
    if (std::find(constants.begin(), constants.end(), 0) != constants.end()) {
      return static_cast<int32_t>(i);
    }
  }
  return -1;
}

namespace {

// The arrow with its tip at the pixel, turned as the quadrant of the picture says.
HintArrow ArrowAt(PixelPoint tip, int32_t size, bool mirrorX, bool mirrorY) {
  const int32_t left = mirrorX ? tip.x - (size - 1) : tip.x;
  const int32_t top = mirrorY ? tip.y - (size - 1) : tip.y;
  const int32_t fromX = mirrorX ? size : 0;
  const int32_t fromY = mirrorY ? size : 0;
  return {{left, top, left + size, top + size}, {fromX, fromY, fromX + size, fromY + size}};
}

bool Fits(const PixelRect& r, const PlaneGeometry& plane) {
  return r.left >= 0 && r.top >= 0 && r.right <= plane.CoodWidth && r.bottom <= plane.CoodHeight;
}

}  // namespace

HintArrow PlaceHintArrow(const TLineData& question, const PlaneGeometry& plane, EquationForm form,
                         int32_t size, bool turnable) {
  const LatticeRange range = ClickRange(plane);
  const LatticePoint own{question.X1, question.Y1};
  std::vector<LatticePoint> points;
  for (const int64_t constant : RightConstants(question, form)) {
    ForEachPointWithProduct(constant, range, [&](int64_t x, int64_t y) {
      points.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
      return false;
    });
  }
  const auto distance = [&own](const LatticePoint& p) {
    const int64_t dx = int64_t{p.x} - own.x;
    const int64_t dy = int64_t{p.y} - own.y;
    return dx * dx + dy * dy;
  };
  std::stable_sort(points.begin(), points.end(), [&](const LatticePoint& a, const LatticePoint& b) {
    return distance(a) < distance(b);
  });
  const int32_t turns = turnable ? 4 : 1;
  for (const LatticePoint& p : points) {
    // A lattice point on the right or bottom edge of the plane has its pixel just beyond the
    // image; its arrow never fits whichever way it is turned.
    const PixelPoint tip = plane.LatticeToPixel(p.x, p.y);
    for (int32_t turn = 0; turn < turns; ++turn) {
      const HintArrow arrow = ArrowAt(tip, size, (turn & 1) != 0, (turn & 2) != 0);
      if (Fits(arrow.target, plane)) return arrow;
    }
  }
  const LatticePoint hint = HintPoint(question, plane, form);
  const PixelPoint tip = plane.ValueToPixel(hint.x, hint.y);
  HintArrow arrow = ArrowAt(tip, size, false, false);
  const int32_t left = std::clamp(arrow.target.left, 0, std::max(plane.CoodWidth - size, 0));
  const int32_t top = std::clamp(arrow.target.top, 0, std::max(plane.CoodHeight - size, 0));
  arrow.target = {left, top, left + size, top + size};
  return arrow;
}
