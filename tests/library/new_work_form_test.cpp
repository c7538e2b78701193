#include "library/new_work_form.h"

#include <gtest/gtest.h>

#include "model/cp932.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

// Two drawing files and a test file; the test file's title is not among the drawing titles.
struct Library {
  TempFolder folder;
  std::string path = folder.Path().string() + "/";
  Library() {
    TempFolder::Write(path + "a.mvr", ToCp932("反比例のグラフ") + "\r\n");
    TempFolder::Write(path + "b.MVR", ToCp932("比例") + "\r\n");
    TempFolder::Write(path + "t.tst", ToCp932("テストの単元") + "\r\n");
  }
};

struct OkCase {
  const char* name;
  const char* typed;  // UTF-8
  bool lostCharacters;
  std::vector<Answer> answers;
  bool closes;
  Lines messages;
};

class NewWorkOkTest : public ::testing::TestWithParam<OkCase> {};

TEST_P(NewWorkOkTest, ClosesOnlyWithAUsableUnitName) {
  const OkCase& c = GetParam();
  const Library library;
  NewWorkForm form;
  form.FormShow(library.path, ToCp932("新しい単元"));
  form.Edit(ToCp932(c.typed), c.lostCharacters);
  ScriptedPrompter prompter;
  prompter.answers.assign(c.answers.begin(), c.answers.end());
  EXPECT_EQ(form.OkClick(prompter), c.closes);
  EXPECT_EQ(prompter.messages, c.messages);
  EXPECT_EQ(form.UnitName(), ToCp932(c.typed));
}

const char* const kSame = "同じ単元名がありますが、いいですか？";

INSTANTIATE_TEST_SUITE_P(
    Cases, NewWorkOkTest,
    ::testing::Values(
        OkCase{"Empty", "", false, {}, false, {"単元名を入力してください"}},
        OkCase{"NewName", "分数の反比例", false, {}, true, {}},
        OkCase{"SameAsADrawingYes", "反比例のグラフ", false, {Answer::Yes}, true, {kSame}},
        OkCase{"SameAsADrawingNo", "比例", false, {Answer::No}, false, {kSame}},
        // Only drawing files count, and only a title equal byte for byte.
        OkCase{"SameAsATestOnly", "テストの単元", false, {}, true, {}},
        OkCase{"TrailingSpace", "比例 ", false, {}, true, {}},
        OkCase{"CharactersLost", "caf?", true, {}, false, {"単元名に使えない文字があります"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NewWorkForm, ListsTheDrawingTitlesAfreshAndStartsFromTheShownTitle) {
  Library library;
  NewWorkForm form;
  form.FormShow(library.path, ToCp932("開いている単元"));
  EXPECT_EQ(form.UnitName(), ToCp932("開いている単元"));
  ASSERT_EQ(form.Units().size(), 2u);
  EXPECT_EQ(FromCp932(form.Units()[0].title), "反比例のグラフ");
  form.TitleClick(1);
  EXPECT_EQ(FromCp932(form.UnitName()), "比例");
  form.TitleClick(7);  // no such row: nothing changes
  EXPECT_EQ(FromCp932(form.UnitName()), "比例");

  TempFolder::Write(library.path + "c.mvr", ToCp932("追加") + "\r\n");
  form.FormShow(library.path, ToCp932("x"));
  EXPECT_EQ(form.Units().size(), 3u);
  form.FormShow(library.path + "missing/", ToCp932("x"));
  EXPECT_TRUE(form.Units().empty());
}

}  // namespace
