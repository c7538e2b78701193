#include "model/line_data.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TLineData Through(int32_t x1, int32_t y1) {
  TLineData line;
  line.X1 = x1;
  line.Y1 = y1;
  return line;
}

struct GcdCase {
  int32_t a, b, expected;
};

class GcdTest : public ::testing::TestWithParam<GcdCase> {};

TEST_P(GcdTest, OfAbsoluteValuesAndZeroWhenEitherIsZero) {
  const GcdCase c = GetParam();
  EXPECT_EQ(Gcd(c.a, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GcdTest,
                         ::testing::Values(GcdCase{0, 5, 0}, GcdCase{5, 0, 0}, GcdCase{-12, 18, 6},
                                           GcdCase{7, -7, 7}, GcdCase{35, 12, 1},
                                           GcdCase{INT32_MIN, 6, 2},
                                           GcdCase{INT32_MIN, INT32_MIN, INT32_MIN},
                                           GcdCase{INT32_MAX, INT32_MIN, 1}));

struct ReduceCase {
  int32_t num, den;
  TFraction expected;
};

class ReduceFractionTest : public ::testing::TestWithParam<ReduceCase> {};

TEST_P(ReduceFractionTest, LowestTermsButDenominatorsZeroAndOneKept) {
  const ReduceCase c = GetParam();
  EXPECT_EQ(ReduceFraction(c.num, c.den), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReduceFractionTest,
    ::testing::Values(ReduceCase{6, 4, {3, '/', 2}}, ReduceCase{-6, 4, {-3, '/', 2}},
                      ReduceCase{0, 5, {0, '/', 1}}, ReduceCase{6, 1, {6, '/', 1}},
                      ReduceCase{6, 0, {6, '/', 0}}, ReduceCase{12, 35, {12, '/', 35}},
                      ReduceCase{INT32_MIN, 2, {INT32_MIN / 2, '/', 1}},
                      ReduceCase{INT32_MIN, INT32_MIN, {-1, '/', -1}}));

struct YTextCase {
  int32_t x1, y1, x;
  const char* expected;
};

class YTextTest : public ::testing::TestWithParam<YTextCase> {};

TEST_P(YTextTest, ExactReducedValueWithSignOnNumerator) {
  const YTextCase c = GetParam();
  EXPECT_EQ(YText(Through(c.x1, c.y1), c.x), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, YTextTest,
                         ::testing::Values(YTextCase{2, 3, 4, "3/2"}, YTextCase{2, 3, -4, "-3/2"},
                                           YTextCase{2, 3, 3, "2"}, YTextCase{2, 3, -1, "-6"},
                                           YTextCase{2, 3, 0, ""}, YTextCase{-2, 3, 4, "-3/2"},
                                           YTextCase{-2, 3, -4, "3/2"}, YTextCase{2, 3, 5, "6/5"},
                                           YTextCase{1, 7, -7, "-1"}, YTextCase{4, 3, 8, "3/2"}));

TEST(FractionText, RulesInOrder) {
  EXPECT_EQ(FractionText(MakeFraction(5, 0)), "");
  EXPECT_EQ(FractionText(MakeFraction(0, 0)), "");
  EXPECT_EQ(FractionText(MakeFraction(0, 7)), "0");
  EXPECT_EQ(FractionText(MakeFraction(-6, 1)), "-6");
  EXPECT_EQ(FractionText(MakeFraction(5, 4)), "5/4");
  EXPECT_EQ(FractionText(MakeFraction(6, 4)), "6/4");  // no reduction here
}

TEST(Teisuu, OverflowingProductWrapsWithout32BitUndefinedBehaviour) {
  EXPECT_EQ(Teisuu(Through(2, 3)), 6);
  EXPECT_EQ(Teisuu(Through(-2, 3)), -6);
  EXPECT_EQ(Teisuu(Through(65536, 65536)), 0);
  EXPECT_EQ(Teisuu(Through(INT32_MAX, 2)), -2);
  EXPECT_EQ(Teisuu(Through(INT32_MIN, -1)), INT32_MIN);
}

TEST(YAt, ExtremeValuesDoNotOverflow) {
  // Negating x and a happens in 64 bits; the results wrap back to 32 bits.
  EXPECT_EQ(YAt(Through(INT32_MIN, 1), -1), MakeFraction(INT32_MIN, 1));
  EXPECT_EQ(YAt(Through(INT32_MIN, 1), INT32_MIN), MakeFraction(1, 1));
  // 1 / INT32_MIN has a denominator of 2^31: no value is written rather than a wrapped one.
  EXPECT_EQ(YText(Through(1, 1), INT32_MIN), "");
  EXPECT_EQ(YText(Through(2, 3), INT32_MIN), "-3/1073741824");
}

TEST(YValue, QuotientAndClippedValueAtZero) {
  EXPECT_DOUBLE_EQ(YValue(Through(2, 3), 4.0), 1.5);
  EXPECT_DOUBLE_EQ(YValue(Through(2, 3), -0.2), -30.0);
  EXPECT_DOUBLE_EQ(YValue(Through(2, 3), 0.0), 99.0);
  EXPECT_DOUBLE_EQ(YValue(Through(-2, 3), 0.0), -99.0);
}

TEST(DomainEnds, OpenEndsBecomePlaneEdges) {
  TLineData right = Through(2, 3);
  right.HenikiStart = -3;
  right.HenikiEnd = 99;
  EXPECT_EQ(DomainEnds(right, 20), (DomainRange{-3, 10}));
  TLineData left = Through(2, 3);
  left.HenikiStart = -99;
  left.HenikiEnd = 4;
  EXPECT_EQ(DomainEnds(left, 20), (DomainRange{-10, 4}));
  TLineData whole = Through(2, 3);
  whole.HenikiStart = -99;
  whole.HenikiEnd = 99;
  EXPECT_EQ(DomainEnds(whole, 34), (DomainRange{-17, 17}));
}

}  // namespace
