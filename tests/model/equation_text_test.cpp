#include "model/equation_text.h"

#include <gtest/gtest.h>

namespace {

struct EquationCase {
  int32_t x1, y1;
  const char* standard;
  const char* general;
};

class EquationTextTest : public ::testing::TestWithParam<EquationCase> {};

TEST_P(EquationTextTest, DependsOnlyOnTheProduct) {
  const EquationCase c = GetParam();
  TLineData line;
  line.X1 = c.x1;
  line.Y1 = c.y1;
  line.LMode = 1;  // mode, domain and flags never enter the text
  line.HenikiStart = -3;
  line.HenikiEnd = 2;
  EXPECT_EQ(EquationText(line, EquationForm::Standard), c.standard);
  EXPECT_EQ(EquationText(line, EquationForm::General), c.general);
}

INSTANTIATE_TEST_SUITE_P(Cases, EquationTextTest,
                         ::testing::Values(EquationCase{2, 3, "y = 6/x", "xy = 6"},
                                           EquationCase{-2, 3, "y = -6/x", "xy = -6"},
                                           EquationCase{-2, -3, "y = 6/x", "xy = 6"},
                                           EquationCase{1, 1, "y = 1/x", "xy = 1"},
                                           EquationCase{1, -1, "y = -1/x", "xy = -1"},
                                           EquationCase{4, 3, "y = 12/x", "xy = 12"},
                                           EquationCase{3, 2, "y = 6/x", "xy = 6"},
                                           EquationCase{-1, -6, "y = 6/x", "xy = 6"},
                                           EquationCase{6, 1, "y = 6/x", "xy = 6"},
                                           EquationCase{65536, 65536, "y = 0/x", "xy = 0"}));

}  // namespace
