#include "storage/document_buffer.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t kLinesPerCurve = 5;

std::string Pair(int32_t left, int32_t right) {
  return std::to_string(left) + "," + std::to_string(right);
}

// Index of curve i's first line, or nothing for a negative i.
bool FirstLineOf(int32_t i, std::size_t& first) {
  if (i < 0) return false;
  first = 1 + kLinesPerCurve * static_cast<std::size_t>(i);
  return true;
}

}  // namespace

int32_t PackStyle(const TLineData& line) {
  const uint32_t kind = (line.IncStart ? 0u : 2u) + (line.IncEnd ? 0u : 1u);
  // Unsigned so that out-of-range fields wrap instead of overflowing; the result is the
  // 32-bit word the file holds.
  const uint32_t word =
      static_cast<uint32_t>(line.LMode) + 16u * static_cast<uint32_t>(line.LWidth) + 256u * kind;
  return static_cast<int32_t>(word);
}

void UnpackStyle(int32_t style, TLineData& line) {
  const uint32_t word = static_cast<uint32_t>(style);
  line.LMode = static_cast<int32_t>(word & 0xFu);
  const int32_t width = static_cast<int32_t>((word >> 4) & 0xFu);
  line.LWidth = width == 0 ? 1 : width;
  const uint32_t kind = (word >> 8) & 0xFu;
  line.IncStart = (kind & 2u) == 0;
  line.IncEnd = (kind & 1u) == 0;
}

std::array<std::string, 5> CurveLines(const TLineData& line) {
  return {Pair(line.Color, PackStyle(line)), line.Shiki, Pair(line.X1, line.Y1),
          Pair(line.X2, line.Y2), Pair(line.HenikiStart, line.HenikiEnd)};
}

void DocumentBuffer::Reset(const std::string& title) {
  lines_.clear();
  lines_.push_back(title);
}

void DocumentBuffer::AppendCurve(const TLineData& line) {
  for (std::string& text : CurveLines(line)) lines_.push_back(std::move(text));
}

void DocumentBuffer::ReplaceCurve(int32_t i, const TLineData& line) {
  std::size_t first = 0;
  if (!FirstLineOf(i, first)) return;
  std::array<std::string, 5> texts = CurveLines(line);
  for (std::size_t k = 0; k < kLinesPerCurve && first + k < lines_.size(); ++k) {
    lines_[first + k] = std::move(texts[k]);
  }
}

void DocumentBuffer::InsertCurve(int32_t i, const TLineData& line) {
  std::size_t first = 0;
  if (!FirstLineOf(i, first)) return;
  first = std::min(first, lines_.size());
  std::array<std::string, 5> texts = CurveLines(line);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
}

void DocumentBuffer::ReplaceStyleLine(int32_t i, const TLineData& line) {
  std::size_t first = 0;
  if (!FirstLineOf(i, first) || first >= lines_.size()) return;
  lines_[first] = std::move(CurveLines(line)[0]);
}

void DocumentBuffer::DeleteCurve(int32_t i) {
  std::size_t first = 0;
  if (!FirstLineOf(i, first) || first >= lines_.size()) return;
  const std::size_t last = std::min(lines_.size(), first + kLinesPerCurve);
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
               lines_.begin() + static_cast<std::ptrdiff_t>(last));
}

void DocumentBuffer::Load(std::vector<std::string> lines) { lines_ = std::move(lines); }
