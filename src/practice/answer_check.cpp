#include "practice/answer_check.h"

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
