#include "settings/line_kind_form.h"

#include <gtest/gtest.h>

namespace {

TEST(LineKindForm, GroupsInUseFollowTheWorkingMode) {
  struct Case {
    int32_t mode;
    bool segment, halfLine;
  } cases[] = {{0, false, false}, {1, true, false},  {2, false, true},
               {3, false, true},  {4, false, false}, {-1, false, false}};
  LineKindForm form;
  form.FormShow(LineKind{1, 1, 2, 0});
  EXPECT_TRUE(form.SegmentGroupEnabled());
  for (const Case& c : cases) {
    form.ModeClick(c.mode);
    EXPECT_EQ(form.SegmentGroupEnabled(), c.segment) << c.mode;
    EXPECT_EQ(form.HalfLineGroupEnabled(), c.halfLine) << c.mode;
  }
}

TEST(LineKindForm, ChoicesStayInTheWorkingCopiesUntilOk) {
  struct Case {
    const char* name;
    LineKind shown;
    int32_t mode, width, senbun, hanchokusen;
    LineKind chosen;
  } cases[] = {
      {"WholeResetsBothKinds", {1, 1, 2, 1}, 0, 2, 3, 1, {0, 2, 0, 0}},
      {"SegmentKeepsBoth", {0, 1, 0, 0}, 1, 3, 2, 1, {1, 3, 2, 1}},
      {"RightHalfLine", {0, 1, 0, 0}, 2, 1, 0, 1, {2, 1, 0, 1}},
      {"LeftHalfLine", {1, 2, 3, 0}, 3, 2, 3, 1, {3, 2, 3, 1}},
  };
  for (const Case& c : cases) {
    LineKindForm form;
    form.FormShow(c.shown);
    EXPECT_EQ(form.Working(), c.shown) << c.name;
    form.ModeClick(c.mode);
    form.WidthClick(c.width);
    form.SenbunClick(c.senbun);
    form.HanchokusenClick(c.hanchokusen);
    EXPECT_EQ(form.Chosen(), c.chosen) << c.name;
    // Shown again (after Cancel): the settings in force, not the abandoned choices.
    form.FormShow(c.shown);
    EXPECT_EQ(form.Chosen().LineWidth, c.shown.LineWidth) << c.name;
  }
}

}  // namespace
