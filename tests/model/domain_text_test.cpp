#include "model/domain_text.h"

#include <gtest/gtest.h>

#include "model/cp932.h"

namespace {

struct DomainCase {
  int32_t x1, y1, mode, s, e;
  bool incStart, incEnd;
  const char* xText;  // UTF-8 of the expected CP932 text
  const char* yText;
};

void PrintTo(const DomainCase& c, std::ostream* os) {
  *os << "a=" << c.x1 * c.y1 << " mode " << c.mode << " " << c.s << ".." << c.e;
}

class DomainTextTest : public ::testing::TestWithParam<DomainCase> {};

TEST_P(DomainTextTest, SignsSpacesAndFractionsExactly) {
  const DomainCase c = GetParam();
  TLineData line;
  line.X1 = c.x1;
  line.Y1 = c.y1;
  line.LMode = c.mode;
  line.HenikiStart = c.s;
  line.HenikiEnd = c.e;
  line.IncStart = c.incStart;
  line.IncEnd = c.incEnd;
  EXPECT_EQ(FromCp932(XDomainText(line)), c.xText);
  EXPECT_EQ(FromCp932(YRangeText(line)), c.yText);
}

constexpr bool Y = true;
constexpr bool N = false;

// a = 6, the worked table.
INSTANTIATE_TEST_SUITE_P(
    PositiveSix, DomainTextTest,
    ::testing::Values(DomainCase{2, 3, 1, -3, -1, Y, Y, "-3 ≦ x ≦ -1", "-6≦ y ≦-2"},
                      DomainCase{2, 3, 1, -3, 0, Y, N, "-3 ≦ x ＜ 0", " y ≦-2"},
                      DomainCase{2, 3, 1, 0, 3, N, Y, "0 ＜ x ≦ 3", "y ≧2"},
                      DomainCase{2, 3, 1, 2, 4, Y, N, "2 ≦ x ＜ 4", "3/2＜ y ≦3"},
                      DomainCase{2, 3, 1, -2, 3, Y, Y, "-2 ≦ x ＜ 0, 0 ＜ x ≦ 3", "y ≦-3, 2≦ y"},
                      DomainCase{2, 3, 1, -4, 3, N, N, "-4 ＜ x ＜ 0, 0 ＜ x ＜ 3",
                                 "y ＜-3/2, 2＜ y"},
                      DomainCase{2, 3, 2, -2, 99, Y, Y, "-2 ≦x ＜ 0, 0 ＜ x ", "y ≦-3, 0 ＜ y"},
                      DomainCase{2, 3, 2, 3, 99, Y, Y, "x ≧3 ", "0＜y≦2"},
                      DomainCase{2, 3, 2, 4, 99, N, N, "x ＞4 ", "0＜y＜3/2"},
                      DomainCase{2, 3, 3, -99, 3, Y, Y, "x ＜ 0, 0 ＜ x ≦ 3", "y ＜ 0, 2≦ y"},
                      DomainCase{2, 3, 3, -99, -2, N, N, "x ＜ -2", "-3＜ y ＜ 0"},
                      DomainCase{2, 3, 3, -99, -4, Y, Y, "x ≦ -4", "-3/2≦ y ＜ 0"},
                      DomainCase{2, 3, 2, 0, 99, Y, Y, "x ＞ 0", "y ＞ 0"},
                      DomainCase{2, 3, 3, -99, 0, N, N, "x ＜ 0", "y ＜ 0"}));

// a = -6.
INSTANTIATE_TEST_SUITE_P(
    NegativeSix, DomainTextTest,
    ::testing::Values(DomainCase{-2, 3, 1, -3, -1, Y, Y, "-3 ≦ x ≦ -1", "2≦ y ≦6"},
                      DomainCase{-2, 3, 1, 2, 4, Y, N, "2 ≦ x ＜ 4", "-3≦ y ＜-3/2"},
                      DomainCase{-2, 3, 1, -4, 3, N, N, "-4 ＜ x ＜ 0, 0 ＜ x ＜ 3",
                                 "y ＜-2, 3/2＜ y"},
                      DomainCase{-2, 3, 2, -2, 99, Y, Y, "-2 ≦x ＜ 0, 0 ＜ x ", "y ＜ 0, 3≦ y"},
                      DomainCase{-2, 3, 3, -99, -2, N, N, "x ＜ -2", "0 ＜ y ＜3"},
                      DomainCase{-2, 3, 2, 0, 99, Y, Y, "x ＞ 0", "y ＜ 0"},
                      DomainCase{-2, 3, 3, -99, 0, Y, Y, "x ＜ 0", "y ＞ 0"}));

// Every remaining row of the range table with other constants and fractional ends.
INSTANTIATE_TEST_SUITE_P(
    OtherConstants, DomainTextTest,
    ::testing::Values(
        // a = 5, segments
        DomainCase{1, 5, 1, -2, 0, N, N, "-2 ＜ x ＜ 0", " y ＜-5/2"},
        DomainCase{1, 5, 1, -3, -2, N, Y, "-3 ＜ x ≦ -2", "-5/2≦ y ＜-5/3"},
        DomainCase{1, 5, 1, 0, 2, N, N, "0 ＜ x ＜ 2", "y ＞5/2"},
        DomainCase{1, 5, 1, 3, 4, N, Y, "3 ＜ x ≦ 4", "5/4≦ y ＜5/3"},
        DomainCase{1, 5, 1, -2, 3, Y, N, "-2 ≦ x ＜ 0, 0 ＜ x ＜ 3", "y ≦-5/2, 5/3＜ y"},
        // a = -5, segments
        DomainCase{-1, 5, 1, -2, 0, Y, N, "-2 ≦ x ＜ 0", " y ≧5/2"},
        DomainCase{-1, 5, 1, -3, -2, N, Y, "-3 ＜ x ≦ -2", "5/3＜ y ≦5/2"},
        DomainCase{-1, 5, 1, 0, 3, N, Y, "0 ＜ x ≦ 3", "y ≦-5/3"},
        DomainCase{-1, 5, 1, 2, 3, Y, Y, "2 ≦ x ≦ 3", "-5/2≦ y ≦-5/3"},
        DomainCase{-1, 5, 1, -3, 2, N, Y, "-3 ＜ x ＜ 0, 0 ＜ x ≦ 2", "y ≦-5/2, 5/3＜ y"},
        // a = 5 and -5, half-lines
        DomainCase{1, 5, 2, 2, 99, N, N, "x ＞2 ", "0＜y＜5/2"},
        DomainCase{1, 5, 2, -3, 99, Y, Y, "-3 ≦x ＜ 0, 0 ＜ x ", "y ≦-5/3, 0 ＜ y"},
        DomainCase{-1, 5, 2, 2, 99, Y, Y, "x ≧2 ", "-5/2≦ y ＜ 0"},
        DomainCase{-1, 5, 2, -3, 99, N, N, "-3 ＜x ＜ 0, 0 ＜ x ", "y ＜ 0, 5/3＜ y"},
        DomainCase{1, 5, 3, -99, 2, N, N, "x ＜ 0, 0 ＜ x ＜ 2", "y ＜ 0, 5/2＜ y"},
        DomainCase{1, 5, 3, -99, -3, Y, Y, "x ≦ -3", "-5/3≦ y ＜ 0"},
        DomainCase{-1, 5, 3, -99, 2, Y, Y, "x ＜ 0, 0 ＜ x ≦ 2", "y ≦-5/2, 0 ＜ y"},
        DomainCase{-1, 5, 3, -99, -3, N, N, "x ＜ -3", "0 ＜ y ＜5/3"}));

// Whole curves and unknown modes give empty texts.
INSTANTIATE_TEST_SUITE_P(NoText, DomainTextTest,
                         ::testing::Values(DomainCase{2, 3, 0, -99, 99, Y, Y, "", ""},
                                           DomainCase{2, 3, 4, -3, 2, Y, Y, "", ""},
                                           DomainCase{2, 3, 15, -3, 2, Y, Y, "", ""},
                                           DomainCase{2, 3, -1, -3, 2, Y, Y, "", ""}));

TEST(Signs, FullWidthCp932Bytes) {
  EXPECT_EQ(LtSign(true), "\x81\x85");
  EXPECT_EQ(LtSign(false), "\x81\x83");
  EXPECT_EQ(GtSign(true), "\x81\x86");
  EXPECT_EQ(GtSign(false), "\x81\x84");
}

}  // namespace
