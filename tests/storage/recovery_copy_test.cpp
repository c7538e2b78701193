#include "storage/recovery_copy.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/core/temp_folder.h"

namespace {

Work Unsaved(int32_t curves) {
  Work work;
  work.Reset("old title");
  for (int32_t k = 1; k <= curves; ++k) {
    TLineData line;
    line.LWidth = 1;
    line.X1 = k;
    line.Y1 = 2;
    line.HenikiStart = kOpenLeft;
    line.HenikiEnd = kOpenRight;
    line.Shiki = EquationText(line, EquationForm::Standard);
    work.Add(line, EquationForm::Standard);
  }
  return work;
}

// A program that ends with unsaved curves leaves them to the next program started in its folder,
// never to one running beside it; a saved work leaves nothing.
TEST(RecoveryCopyTest, TheNextProgramGetsTheUnsavedWorkAndOneRunningBesideItDoesNot) {
  TempFolder folder;
  const std::string dir = folder.Path().string() + "/";
  auto first = std::make_unique<RecoveryCopy>();
  ASSERT_TRUE(first->Open(dir));
  const Work work = Unsaved(3);
  for (int k = 0; k < 3; ++k) first->Keep(work, "unit", "/data/unit.mvr", true);
  RecoveryCopy beside;
  ASSERT_TRUE(beside.Open(dir));
  EXPECT_FALSE(beside.Left());
  beside.Keep(Unsaved(0), "other", "x.mvr", false);  // empty: nothing kept, nothing removed
  first.reset();

  RecoveryCopy next;
  ASSERT_TRUE(next.Open(dir));
  const std::optional<RecoveredWork> left = next.Left();
  ASSERT_TRUE(left);
  EXPECT_EQ(left->title, "unit");
  EXPECT_EQ(left->fileName, "/data/unit.mvr");
  EXPECT_TRUE(left->hasOwnFile);
  EXPECT_EQ(left->curves.size(), 3u);
  EXPECT_EQ(left->lines.size(), 16u);
  Work saved = Unsaved(2);
  saved.MarkSaved();
  next.Keep(saved, "unit", "unit.mvr", true);
  EXPECT_TRUE(next.Path().empty());
  RecoveryCopy after;
  ASSERT_TRUE(after.Open(dir));
  EXPECT_FALSE(after.Left());
}

// A folder where nothing can be written (here: one that is not there) keeps no copy, silently.
TEST(RecoveryCopyTest, AFolderThatCannotHoldACopyKeepsNone) {
  TempFolder folder;
  RecoveryCopy copy;
  EXPECT_FALSE(copy.Open(folder / "missing/"));
  copy.Keep(Unsaved(1), "t", "t.mvr", false);
  EXPECT_TRUE(copy.Path().empty());
}

}  // namespace
