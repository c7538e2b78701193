#include "render/math_text.h"

#include <algorithm>
#include <array>

#include "model/messages.h"
#include "render/image_ops.h"
#include "render/pixel_clamp.h"

namespace {

int32_t Px(int64_t v) { return ClampPixel(v); }

// Byte counts of groups are capped far beyond anything a panel can show.
int64_t Length(const std::string& s) {
  return static_cast<int64_t>(std::min<std::size_t>(s.size(), 1u << 20));
}

// The walk stops once the column lies far beyond the right edge of any panel.
constexpr int32_t kMaxColumn = 1 << 24;

// The inequality signs are drawn whole, never split into their two bytes.
bool IsSignAt(const std::string& text, std::size_t p) {
  if (p + 1 >= text.size()) return false;
  const MessageTexts& m = Msg();
  for (const std::string* sign : {&m.LeSign, &m.GeSign, &m.LtSign, &m.GtSign}) {
    if (text.compare(p, 2, *sign) == 0) return true;
  }
  return false;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The pending state of one text: the group being gathered, the numerator once a slash was
// seen, and the next free column.
class MathLayout {
 public:
  MathLayout(Canvas& image, const EditorState& state) : image_(image), state_(state) {}

  int32_t column = 1;
  std::string group;
  std::string numerator;
  bool fraction = false;
  bool superscript = false;

  void Flush() {
    const int32_t used = fraction ? DrawFraction(image_, numerator, group, column, state_)
                                  : DrawFraction(image_, group, std::string(), column, state_);
    column += used;
    fraction = false;
    numerator.clear();
    group.clear();
  }

  void Plain(const std::string& text, int32_t columns) {
    DrawFraction(image_, text, std::string(), column, state_);
    column += columns;
  }

  // One character on its own, letters in the italic face and raised by their nudge.
  void Single(unsigned char ch) {
    Flush();
    const int32_t nudge = SetLetterFont(image_, ch);
    image_.TextOut(Px(int64_t{column} * kMathColumnWidth),
                   Px(int64_t{state_.PanelLineHeight} - nudge),
                   std::string(1, static_cast<char>(ch)));
    column += 2;
    SetLetterFont(image_, '0');
  }

 private:
  Canvas& image_;
  const EditorState& state_;
};

}  // namespace

void DrawMathText(Canvas& image, const std::string& cp932, const EditorState& state) {
  ClearImage(image, state.PanelBackColor, state.PanelTextColor);
  image.SetFontSize(kMathFontSize);
  // Groups before the first letter are in the gothic face whatever the image held before.
  SetLetterFont(image, '0');
  MathLayout layout(image, state);
  std::size_t p = 0;
  while (p < cp932.size() && layout.column <= kMaxColumn) {
    if (IsSignAt(cp932, p)) {
      layout.Flush();
      layout.Plain(cp932.substr(p, 2), 3);
      p += 2;
      continue;
    }
    const auto ch = static_cast<unsigned char>(cp932[p]);
    if (ch == '/') {
      layout.numerator = std::move(layout.group);
      layout.group.clear();
      layout.fraction = true;
    } else if (IsDigit(ch)) {
      if (layout.superscript) {
        image.SetFontSize(kSuperscriptFontSize);
        layout.Plain(std::string(1, static_cast<char>(ch)), 3);
        image.SetFontSize(kMathFontSize);
        layout.superscript = false;
      } else {
        layout.group.push_back(static_cast<char>(ch));
      }
    } else if (ch == '^') {
      layout.superscript = true;
    } else if (ch == 'x') {
      // The letter face is chosen before the flush, so a fraction over x is set in it whole.
      SetLetterFont(image, 'x');
      layout.group = "x";
      layout.Flush();
    } else if (ch == 0xA5) {
      layout.Flush();
    } else {
      layout.Single(ch);
    }
    ++p;
  }
  layout.Flush();
  SetLetterFont(image, '0');
}

int32_t DrawFraction(Canvas& image, const std::string& top, const std::string& bottom,
                     int32_t column, const EditorState& state) {
  if (top.empty()) return 0;
  const int64_t left = int64_t{column} * kMathColumnWidth;
  const int64_t lineHeight = state.PanelLineHeight;
  const int64_t n = Length(top);
  if (bottom.empty()) {
    image.TextOut(Px(left), Px(lineHeight), top);
    return static_cast<int32_t>(n + 1);
  }
  const int64_t m = Length(bottom);
  int64_t w = std::max(n, m);
  w += w % 2;
  const int32_t barY = Px(lineHeight + 10);
  image.SetPenColor(state.PanelTextColor);
  image.SetPenWidth(1);
  image.MoveTo(Px(left), barY);
  image.LineTo(Px((int64_t{column} + w + 1) * kMathColumnWidth), barY);
  image.SetFontSize(kMathFontSize);
  image.TextOut(Px(left + (kMathColumnWidth * w - kMathColumnWidth * n) / 2 + 2), 3, top);
  const int64_t raise = bottom == "x" ? 6 : 0;
  image.TextOut(Px(left + (kMathColumnWidth * w - kMathColumnWidth * m) / 2),
                Px(2 * lineHeight - 3 - raise), bottom);
  return static_cast<int32_t>(w + 2);
}

int32_t DrawCellFraction(Canvas& canvas, const std::string& top, const std::string& bottom,
                         int32_t x, int32_t y) {
  if (top.empty()) return 0;
  const int64_t y64 = y;
  if (bottom.empty()) {
    canvas.TextOut(x, Px(y64 + 16), top);
    return static_cast<int32_t>(Length(top));
  }
  int64_t left = x;
  std::string numerator = top;
  if (numerator.front() == '-') {
    canvas.TextOut(x, Px(y64 + 17), "-");
    numerator.erase(0, 1);
    left += 8;
  }
  const int64_t n = Length(numerator);
  const int64_t m = Length(bottom);
  const int64_t w = std::max(n, m);
  const int64_t dt = (w - n) * 4;
  const int64_t db = (w - m) * 4;
  canvas.SetPenWidth(2);
  canvas.MoveTo(Px(left + dt), Px(y64 + 20));
  canvas.LineTo(Px(left + dt + 5 * w), Px(y64 + 20));
  canvas.TextOut(Px(left + dt), Px(y64 + 5), numerator);
  canvas.TextOut(Px(left + db), Px(y64 + 24), bottom);
  return static_cast<int32_t>(w);
}
