#include "model/line_data.h"

#include <cstdlib>

namespace {

// Narrows to 32 bits the way a 32-bit machine register would (well defined since C++20).
int32_t Wrap32(int64_t v) { return static_cast<int32_t>(v); }

int64_t GcdWide(int64_t a, int64_t b) {
  a = std::llabs(a);
  b = std::llabs(b);
  if (a == 0 || b == 0) return 0;
  while (b != 0) {
    const int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

TFraction ReduceWide(int64_t num, int64_t den) {
  if (den == 0 || den == 1) return MakeFraction(Wrap32(num), Wrap32(den));
  if (num == 0) return MakeFraction(0, 1);
  const int64_t g = GcdWide(num, den);
  if (g > 0) {
    num /= g;
    den /= g;
  }
  return MakeFraction(Wrap32(num), Wrap32(den));
}

}  // namespace

int32_t Teisuu(const TLineData& line) { return Wrap32(static_cast<int64_t>(line.X1) * line.Y1); }

int32_t Gcd(int32_t a, int32_t b) { return Wrap32(GcdWide(a, b)); }

TFraction MakeFraction(int32_t num, int32_t den) { return TFraction{num, '/', den}; }

TFraction ReduceFraction(int32_t num, int32_t den) { return ReduceWide(num, den); }

TFraction YAt(const TLineData& line, int32_t x) {
  int64_t a = Teisuu(line);
  int64_t wideX = x;
  if (wideX < 0) {
    wideX = -wideX;
    a = -a;
  }
  const TFraction f = ReduceWide(a, wideX);
  // At x = INT32_MIN the denominator can be 2^31, which has no 32-bit form; such a value is
  // left unwritten (as at x = 0) rather than shown with a wrapped, negative denominator.
  if (f.Den < 0) return MakeFraction(f.Num, 0);
  return f;
}

std::string FractionText(const TFraction& f) {
  if (f.Den == 0) return "";
  if (f.Num == 0) return "0";
  if (f.Den == 1) return std::to_string(f.Num);
  return std::to_string(f.Num) + "/" + std::to_string(f.Den);
}

std::string YText(const TLineData& line, int32_t x) { return FractionText(YAt(line, x)); }

double YValue(const TLineData& line, double x) {
  const double a = Teisuu(line);
  if (x != 0.0) return a / x;
  if (a > 0) return 99.0;
  return a < 0 ? -99.0 : 0.0;
}

DomainRange DomainEnds(const TLineData& line, int32_t unitsX) {
  DomainRange r{line.HenikiStart, line.HenikiEnd};
  if (r.start == kOpenLeft) r.start = -(unitsX / 2);
  if (r.end == kOpenRight) r.end = unitsX / 2;
  return r;
}
