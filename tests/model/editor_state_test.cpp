#include "model/editor_state.h"

#include <gtest/gtest.h>

namespace {

TEST(CurColor, AutomaticColoursFollowTheTableAndWrapAfterSixteen) {
  EditorState state;
  for (int32_t i = 0; i < 20; ++i) {
    state.ColorIndex = i;
    EXPECT_EQ(CurColor(state), ColorTable[static_cast<std::size_t>(i % 16)]) << i;
    EXPECT_EQ(state.ColorIndex, i % 16);
  }
  state.ColorIndex = 15;
  EXPECT_EQ(CurColor(state), 0x000000);  // the sixteenth is black
}

TEST(CurColor, FixedColourWinsAndLeavesTheIndex) {
  EditorState state;
  state.FixedColor = 0x123456;
  state.ColorIndex = 21;
  EXPECT_EQ(CurColor(state), 0x123456);
  EXPECT_EQ(state.ColorIndex, 21);
}

}  // namespace
