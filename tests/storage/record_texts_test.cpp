#include "storage/record_texts.h"

#include <gtest/gtest.h>

#include "model/cp932.h"

namespace {

TEST(RecordTexts, TwoDigitsBelowTenAndAllDigitsAbove) {
  const std::pair<int32_t, const char*> cases[] = {{0, "00"},  {7, "07"},  {9, "09"},
                                                   {10, "10"}, {59, "59"}, {125, "125"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(Pad2(n), text) << n;
}

TEST(RecordTexts, DateAndTimeOfARun) {
  const DateTime run{2003, 6, 5, 9, 5, 41};
  EXPECT_EQ(FromCp932(DateText(run)), "2003年06月05日");
  EXPECT_EQ(ClockText(run), "09:05");
  const DateTime late{2026, 12, 31, 23, 59, 0};
  EXPECT_EQ(FromCp932(DateText(late)), "2026年12月31日");
  EXPECT_EQ(ClockText(late), "23:59");
}

}  // namespace
