// The curve record of one graph y = a/x and the exact-fraction arithmetic on its values.
#pragma once

#include <cstdint>
#include <string>

// Most curves one work can hold.
inline constexpr int32_t kMaxLines = 100;

// Domain ends that stand for "to the left edge" and "to the right edge" of the plane.
inline constexpr int32_t kOpenLeft = -99;
inline constexpr int32_t kOpenRight = 99;

// Line modes of a curve.
inline constexpr int32_t kModeWhole = 0;    // 全域: both branches
inline constexpr int32_t kModeSegment = 1;  // 中央: x between two ends
inline constexpr int32_t kModeRight = 2;    // 右側: from a start x to the right edge
inline constexpr int32_t kModeLeft = 3;     // 左側: from the left edge up to an end x

// One curve y = a/x through the lattice point (X1, Y1), a = X1 × Y1.
struct TLineData {
  int32_t LMode = 0;
  int32_t LWidth = 0;
  bool IncStart = false;   // the smaller domain end belongs to the domain (≦)
  bool IncEnd = false;     // the larger domain end belongs to the domain (≦)
  int32_t Color = 0;       // 0x00BBGGRR
  int32_t HenikiKind = 0;  // inequality kind chosen when the curve was made; not stored in files
  int32_t X1 = 0;
  int32_t Y1 = 0;
  int32_t X2 = 0;
  int32_t Y2 = 0;
  int32_t HenikiStart = 0;  // -99: from the left edge
  int32_t HenikiEnd = 0;    // 99: to the right edge
  std::string Shiki;        // equation text, CP932 bytes

  friend bool operator==(const TLineData&, const TLineData&) = default;
};

// An exact fraction; the sign is carried by Num.
struct TFraction {
  int32_t Num = 0;
  char Slash = '/';
  int32_t Den = 1;

  friend bool operator==(const TFraction&, const TFraction&) = default;
};

// The proportionality constant a = X1 × Y1 as a 32-bit product: a product that overflows
// wraps as two's-complement arithmetic does.
int32_t Teisuu(const TLineData& line);

// Greatest common divisor of the absolute values; 0 when either is 0. Gcd(INT32_MIN, INT32_MIN)
// would be 2^31, which has no 32-bit form; it wraps to INT32_MIN.
int32_t Gcd(int32_t a, int32_t b);

TFraction MakeFraction(int32_t num, int32_t den);

// n/d in lowest terms; d of 0 or 1 is returned as it is, 0/d becomes 0/1.
TFraction ReduceFraction(int32_t num, int32_t den);

// Exact y of the curve at integer x, reduced, with a positive denominator (a/0 at x = 0).
TFraction YAt(const TLineData& line, int32_t x);

// "" for a/0, "0", "-6", or "-3/2".
std::string FractionText(const TFraction& f);

std::string YText(const TLineData& line, int32_t x);

// a / x; at x = 0 a value beyond every plane (99 × sign(a)) so that plotting clips it.
double YValue(const TLineData& line, double x);

struct DomainRange {
  int32_t start = 0;
  int32_t end = 0;
  friend bool operator==(const DomainRange&, const DomainRange&) = default;
};

// The curve's domain with the open-end markers -99 and 99 replaced by the edges of a centred
// plane unitsX lattice units wide.
DomainRange DomainEnds(const TLineData& line, int32_t unitsX);
