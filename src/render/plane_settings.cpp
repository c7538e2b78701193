#include "render/plane_settings.h"

#include <charconv>

namespace {

bool InRange(int32_t spacing) { return spacing >= kMinSpacing && spacing <= kMaxSpacing; }

}  // namespace

bool PlaneSettings::AcceptSpacing() {
  if (!InRange(DX) || !InRange(DY)) return false;
  AcceptedDX = DX;
  AcceptedDY = DY;
  return true;
}

std::optional<int32_t> WholeNumberOf(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first != last && (*first == ' ' || *first == '\t')) ++first;
  while (last != first && (last[-1] == ' ' || last[-1] == '\t')) --last;
  if (first != last && *first == '+') {  // from_chars takes only a minus sign
    ++first;
    if (first != last && *first == '-') return std::nullopt;
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last) return std::nullopt;
  return value;
}

int32_t IntOfText(const std::string& text) { return WholeNumberOf(text).value_or(0); }

int32_t DrawingSpacing(int32_t kept, int32_t accepted) {
  if (InRange(kept)) return kept;
  if (InRange(accepted)) return accepted;
  return 16;
}
