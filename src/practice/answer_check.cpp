#include "practice/answer_check.h"

#include <charconv>
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

bool HasPointWithProduct(int64_t product, const LatticeRange& r) {
  if (r.xlo > r.xhi || r.ylo > r.yhi) return false;
  if (product == 0) return (r.xlo <= 0 && 0 <= r.xhi) || (r.ylo <= 0 && 0 <= r.yhi);
  for (int64_t x = r.xlo; x <= r.xhi; ++x) {
    if (x == 0 || product % x != 0) continue;
    const int64_t y = product / x;
    if (y >= r.ylo && y <= r.yhi) return true;
  }
  return false;
}

}  // namespace

int32_t FirstUnanswerable(const std::vector<TLineData>& questions, const PlaneGeometry& plane,
                          EquationForm form) {
  // The lattice values a click can give: snapping is monotonic, and every value between those
  // of the corner pixels is reached because a unit is several pixels wide.
  LatticeRange range{1, 0, 1, 0};
  if (plane.CoodWidth > 0 && plane.CoodHeight > 0) {
    const LatticePoint topLeft = plane.PixelToLattice(0, 0);
    const LatticePoint bottomRight =
        plane.PixelToLattice(plane.CoodWidth - 1, plane.CoodHeight - 1);
    range = {topLeft.x, bottomRight.x, bottomRight.y, topLeft.y};
  }
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const TLineData& q = questions[i];
    // The texts compare constants, the question's as it is kept (wrapped to 32 bits) and a
    // click's, whose small coordinates never wrap.
    bool answerable = HasPointWithProduct(Teisuu(q), range);
    if (!answerable) {
      const std::optional<int32_t> stored = ConstantOfText(q.Shiki, form);
      answerable = stored && HasPointWithProduct(*stored, range);
    }
    if (!answerable) return static_cast<int32_t>(i);
  }
  return -1;
}
