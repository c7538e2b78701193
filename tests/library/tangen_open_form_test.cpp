#include "library/tangen_open_form.h"

#include <gtest/gtest.h>

#include "model/cp932.h"
#include "support/core/recording_canvas.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

std::string Curve(int32_t color, int32_t x, int32_t y, int32_t mode = 0) {
  return std::to_string(color) + "," + std::to_string(16 + mode) +
         "\r\ny = " + std::to_string(x * y) + "/x\r\n" + std::to_string(x) + "," +
         std::to_string(y) + "\r\n0,0\r\n" + (mode == 0 ? "-99,99" : "1,3") + "\r\n";
}

// A library in name order: a drawing file, a test file, a test file with a title only, a
// test file that cannot be read, a drawing file with the test file's title, a test file with
// a segment.
struct Library {
  TempFolder folder;
  std::string path = folder.Path().string() + "/";
  Library() {
    TempFolder::Write(path + "a.mvr", "A\r\n" + Curve(255, 1, 1) + Curve(255, 2, 2));
    TempFolder::Write(path + "b.tst",
                      "B\r\n" + Curve(0xFF0000, 2, 3) + Curve(255, -1, 4) + Curve(255, 1, 5));
    TempFolder::Write(path + "c.tst", "C\r\n");
    TempFolder::Write(path + "d.tst", "D\r\n255,16\r\ny\r\n1,x\r\n0,0\r\n-99,99\r\n");
    TempFolder::Write(path + "e.mvr", "B\r\n" + Curve(255, 3, 3));
    TempFolder::Write(path + "f.tst", "F\r\n" + Curve(255, 2, 3, 1));
  }
};

struct Rig {
  Library library;
  RecordingCanvas plane{10, 10};
  PlaneSettings settings2;
  PlaneSettings mainSettings;
  EditorState state;
  ScriptedPrompter prompter;
  TangenOpenForm form{plane, settings2, mainSettings};

  Rig() {
    state.MaxCoodSize = 384;
    state.BitmapPasted = true;  // on the main plane: the preview is drawn all the same
  }
  void Show(bool forEdit) { form.FormShow(forEdit, library.path, state); }
  int32_t Row(const std::string& file) const {
    for (std::size_t i = 0; i < form.Units().size(); ++i) {
      if (form.Units()[i].fileName == file) return static_cast<int32_t>(i);
    }
    return -1;
  }
  void Click(const std::string& file) { form.TitleClick(Row(file), prompter); }
};

TEST(TangenOpenForm, ListsDrawingAndTestFilesForEditingAndTestFilesForPractice) {
  Rig rig;
  rig.Show(true);
  Lines files;
  Lines titles;
  for (const UnitEntry& unit : rig.form.Units()) {
    files.push_back(unit.fileName);
    titles.push_back(unit.title);
  }
  EXPECT_EQ(files, (Lines{"a.mvr", "b.tst", "c.tst", "d.tst", "e.mvr", "f.tst"}));
  EXPECT_EQ(titles, (Lines{"A", "B", "C", "D", "B", "F"}));  // the same title twice
  rig.Show(false);
  files.clear();
  for (const UnitEntry& unit : rig.form.Units()) files.push_back(unit.fileName);
  EXPECT_EQ(files, (Lines{"b.tst", "c.tst", "d.tst", "f.tst"}));
}

TEST(TangenOpenForm, AClickPreviewsTheFileOnThePlaneAndInTheList) {
  Rig rig;
  rig.Show(false);
  // The empty preview plane has the main plane's size.
  EXPECT_EQ(rig.plane.Width(), 384);
  rig.plane.Clear();
  rig.Click("b.tst");
  EXPECT_EQ(rig.form.FileName(), "b.tst");
  EXPECT_EQ(rig.form.PreviewItems(), (Lines{"y = 6/x", "y = -4/x", "y = 5/x"}));
  EXPECT_EQ(rig.form.PracticeCount(), 3);
  EXPECT_EQ(rig.form.Buffer().size(), 16u);
  EXPECT_EQ(rig.plane.Ops("Resize").size(), 1u);
  int32_t blue = 0;
  for (const std::string& op : rig.plane.Ops("LineTo")) {
    blue += op.find("#FF0000") != std::string::npos ? 1 : 0;
  }
  EXPECT_GT(blue, 0);  // the first curve, in its own colour
  EXPECT_TRUE(rig.prompter.messages.empty());
}

const std::string kBadNumber = " の 4 行目に整数でない値があります";

struct OkCase {
  const char* name;
  bool forEdit;
  std::vector<std::string> clicks;
  bool closes;
  Lines messages;
  int32_t questions;  // handed on for practice
};

class TangenOpenOkTest : public ::testing::TestWithParam<OkCase> {};

TEST_P(TangenOpenOkTest, ClosesOnlyWithAUnitToOpenOrPractise) {
  const OkCase& c = GetParam();
  Rig rig;
  rig.Show(c.forEdit);
  for (const std::string& file : c.clicks) rig.Click(file);
  EXPECT_EQ(rig.form.OkClick(rig.prompter), c.closes);
  Lines messages = c.messages;
  for (std::string& m : messages) {
    if (m == "<d>") m = "ファイル " + rig.library.path + "d.tst" + kBadNumber;
  }
  EXPECT_EQ(rig.prompter.messages, messages);
  EXPECT_EQ(rig.form.PracticeCount(), c.questions);
  if (c.closes) {
    EXPECT_EQ(rig.form.FileName(), c.clicks.back());
    const PracticeSet set = rig.form.ChosenSet();
    EXPECT_EQ(set.curves.size(), static_cast<std::size_t>(c.questions));
    EXPECT_EQ(set.unitName,
              rig.form.Units()[static_cast<std::size_t>(rig.Row(c.clicks.back()))].title);
    EXPECT_FALSE(set.testMode);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TangenOpenOkTest,
    ::testing::Values(
        OkCase{"NoClick", true, {}, false, {"単元を選択してください"}, 0},
        OkCase{"NoClickPractice", false, {}, false, {"単元を選択してください"}, 0},
        OkCase{"EditADrawing", true, {"a.mvr"}, true, {}, 2},
        OkCase{"LastClickCounts", true, {"a.mvr", "e.mvr"}, true, {}, 1},
        OkCase{"PractiseATest", false, {"c.tst", "b.tst"}, true, {}, 3},
        // A title alone holds no question: practice is refused, editing may try it.
        OkCase{"PractiseATitleOnly", false, {"c.tst"}, false, {"テストするデータがありません"}, 0},
        OkCase{"EditATitleOnly", true, {"c.tst"}, true, {}, 0},
        // The count is cleared before each read: a file that cannot be read after a good one
        // leaves nothing to practise.
        OkCase{"UnreadableAfterAGoodOne",
               false,
               {"b.tst", "d.tst"},
               false,
               {"<d>", "テストするデータがありません"},
               0},
        // Domains are refused by the practice command itself, not here.
        OkCase{"PractiseASegment", false, {"f.tst"}, true, {}, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TangenOpenForm, AnUnreadableFilePreviewsNothing) {
  Rig rig;
  rig.Show(false);
  rig.Click("b.tst");
  rig.Click("d.tst");
  EXPECT_EQ(rig.form.FileName(), "d.tst");
  EXPECT_TRUE(rig.form.PreviewItems().empty());
  EXPECT_TRUE(rig.form.Buffer().empty());
  EXPECT_EQ(rig.prompter.messages, Lines{"ファイル " + rig.library.path + "d.tst" + kBadNumber});
}

TEST(TangenOpenForm, EveryShowStartsAfreshFromTheFolder) {
  Rig rig;
  rig.Show(false);
  rig.Click("b.tst");
  ASSERT_TRUE(rig.form.OkClick(rig.prompter));
  TempFolder::Write(rig.library.path + "0.tst", "New\r\n" + Curve(255, 1, 1));
  rig.Show(false);
  EXPECT_EQ(rig.form.Units().size(), 5u);
  EXPECT_EQ(rig.form.FileName(), "");
  EXPECT_TRUE(rig.form.PreviewItems().empty());
  EXPECT_TRUE(rig.form.Buffer().empty());
  EXPECT_EQ(rig.form.PracticeCount(), 0);
  EXPECT_EQ(rig.form.UnitName(), "");
  rig.form.FormShow(false, rig.library.path + "missing/", rig.state);
  EXPECT_TRUE(rig.form.Units().empty());
  EXPECT_TRUE(rig.prompter.messages.empty());
}

}  // namespace
