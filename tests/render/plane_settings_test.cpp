#include "render/plane_settings.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
  const char* text;
  int32_t value;
};

class IntOfTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(IntOfTextTest, ReadsWholeNumbersAndEverythingElseAsZero) {
  EXPECT_EQ(IntOfText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntOfTextTest,
    ::testing::Values(TextCase{"", 0}, TextCase{"16", 16}, TextCase{"-99", -99},
                      TextCase{" 384 ", 384}, TextCase{"+7", 7}, TextCase{"+-5", 0},
                      TextCase{"-", 0}, TextCase{"12a", 0}, TextCase{"1 2", 0}, TextCase{"0x10", 0},
                      TextCase{"2147483647", 2147483647}, TextCase{"-2147483648", INT32_MIN},
                      TextCase{"2147483648", 0}, TextCase{"99999999999999999999", 0},
                      TextCase{"\x82\x50\x82\x51", 0}));  // full-width "１２" in CP932

TEST(DrawingSpacing, OnlySpacingsFromFourToThirtyTwoAreDrawnWith) {
  struct Case {
    int32_t kept, accepted, drawn;
  } cases[] = {{16, 8, 16}, {4, 8, 4},  {32, 8, 32}, {5, 8, 5},  {0, 8, 8},
               {3, 8, 8},   {33, 4, 4}, {-16, 4, 4}, {0, 0, 16}, {2, 40, 16}};
  for (const Case& c : cases) {
    EXPECT_EQ(DrawingSpacing(c.kept, c.accepted), c.drawn) << c.kept << " / " << c.accepted;
  }
}

TEST(PlaneSettings, AcceptSpacingKeepsTheLastValidPair) {
  PlaneSettings settings;
  settings.DX = 8;
  settings.DY = 4;
  EXPECT_TRUE(settings.AcceptSpacing());
  settings.DX = 2;  // typed, refused
  EXPECT_FALSE(settings.AcceptSpacing());
  EXPECT_EQ(settings.AcceptedDX, 8);
  EXPECT_EQ(settings.AcceptedDY, 4);
}

}  // namespace
