#include "settings/display_scale.h"

#include <gtest/gtest.h>

TEST(DisplayScale, StoredPercentagesBecomeTheScaleFactorsOffered) {
  const std::pair<int32_t, const char*> cases[] = {
      {100, "1"}, {125, "1.25"}, {150, "1.5"}, {200, "2"}, {0, "1"}, {175, "1"}, {-200, "1"}};
  for (const auto& [stored, factor] : cases) EXPECT_EQ(ScaleFactorText(stored), factor) << stored;
}
