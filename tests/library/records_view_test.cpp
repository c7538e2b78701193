#include "library/records_view.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstring>

#include <filesystem>

#include "model/cp932.h"
#include "support/core/child_process.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"

namespace {

std::string J(const char* utf8) { return ToCp932(utf8); }

std::vector<std::string> Utf8(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const std::string& text : texts) out.push_back(FromCp932(text));
  return out;
}

const char* const kRecords =
    "[比例のグラフ]\r\n"
    "1=2003年06月12日 09:05 ○○△ 01分12秒\r\n"
    "2=2003年06月13日 14:30 ○○○ 00分48秒\r\n"
    "4=2003年06月20日 10:00 ×○○ 02分00秒\r\n"
    "[反比例]\r\n"
    "1=2003年07月01日 08:30 ○ 00分09秒\r\n"
    "[Other]\r\n"
    "1=kept\r\n";

// A program folder with four test files (two of them under one title, one without records), a
// drawing file and Record.ini.
struct ProgramFolder {
  TempFolder folder;
  ProgramFolder() {
    std::filesystem::create_directory(folder.Path() / "DATA");
    TempFolder::Write(folder / "DATA/a.tst", J("比例のグラフ\r\n255,16\r\n"));
    TempFolder::Write(folder / "DATA/B.tst", J("比例のグラフ\r\n"));
    TempFolder::Write(folder / "DATA/c.tst", J("反比例\r\n"));
    TempFolder::Write(folder / "DATA/d.tst", J("新しい単元\r\n"));
    TempFolder::Write(folder / "DATA/e.mvr", J("描画\r\n"));
    TempFolder::Write(RecordIni(), J(kRecords));
  }
  std::string ProgDir() const { return folder.Path().string() + "/"; }
  std::string RecordIni() const { return folder / "Record.ini"; }
};

TEST(RecordsView, ListsEachTestFileWithTheNumberOfItsRecords) {
  const ProgramFolder program;
  ScriptedPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  EXPECT_EQ(Utf8(view.TitleItems()),
            (std::vector<std::string>{"3回 比例のグラフ", "3回 比例のグラフ", "1回 反比例",
                                      "0回 新しい単元"}));
  EXPECT_EQ(Utf8(view.ReserveItems()),
            (std::vector<std::string>{"比例のグラフ", "比例のグラフ", "反比例", "新しい単元"}));
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(RecordsView, AClickShowsTheRecordsOfTheUnit) {
  const ProgramFolder program;
  ScriptedPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  view.Click(1);
  EXPECT_EQ(Utf8(view.DetailLines()),
            (std::vector<std::string>{"2003年06月12日 09:05 ○○△ 01分12秒",
                                      "2003年06月13日 14:30 ○○○ 00分48秒", "?",
                                      "2003年06月20日 10:00 ×○○ 02分00秒"}));
  view.Click(3);
  EXPECT_EQ(Utf8(view.DetailLines()), std::vector<std::string>{"練習の記録はありません"});
  view.Click(4);  // below the last line: nothing changes
  EXPECT_EQ(Utf8(view.DetailLines()), std::vector<std::string>{"練習の記録はありません"});
  view.Close();
  EXPECT_TRUE(view.DetailLines().empty());
}

// In a folder a class shares, another pupil may finish a run while the viewer is open: a click
// shows the records the file holds now.
TEST(RecordsView, AClickShowsRecordsWrittenSinceTheViewerOpened) {
  const ProgramFolder program;
  ScriptedPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  TempFolder::Write(program.RecordIni(),
                    J(kRecords) + J("[新しい単元]\r\n1=2003年07月02日 10:15 ○× 01分00秒\r\n"));
  view.Click(3);
  EXPECT_EQ(Utf8(view.DetailLines()), std::vector<std::string>{"2003年07月02日 10:15 ○× 01分00秒"});
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(RecordsView, WithoutRecordIniEveryUnitHasNone) {
  const ProgramFolder program;
  std::filesystem::remove(program.RecordIni());
  ScriptedPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  for (const std::string& item : Utf8(view.TitleItems())) EXPECT_TRUE(item.starts_with("0回 "));
  view.Click(0);
  EXPECT_EQ(Utf8(view.DetailLines()), std::vector<std::string>{"練習の記録はありません"});
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(program.RecordIni()));
}

TEST(RecordsView, SaysSoWhenRecordIniCannotBeRead) {
  const ProgramFolder program;
  std::filesystem::remove(program.RecordIni());
  std::filesystem::create_directory(program.RecordIni());
  ScriptedPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].starts_with("Record.ini が読めません")) << prompter.messages[0];
  EXPECT_EQ(FromCp932(view.TitleItems()[0]), "0回 比例のグラフ");
}

TEST(RecordsView, AnUnreadableTestFileIsListedAsQuestionMarkWithItsRecords) {
  const ProgramFolder program;
  TempFolder::Write(program.RecordIni(), J(kRecords) + J("[？]\r\n1=a\r\n2=b\r\n"));
  std::filesystem::permissions(program.folder / "DATA/c.tst", std::filesystem::perms::none);
  const std::string progDir = program.ProgDir();
  EXPECT_TRUE(RunAsUnprivileged([&progDir] {  // root could read it
    ScriptedPrompter prompter;
    RecordsView view(progDir, prompter);
    view.Fill();
    return FromCp932(view.TitleItems()[2]) == "2回 ？" && FromCp932(view.ReserveItems()[2]) == "？";
  }));
}

struct EraseCase {
  const char* name;
  std::vector<int32_t> selected;
  Answer answer;
  bool refilled;
  std::vector<std::string> messages;
  std::vector<std::string> titlesAfter;
  std::string recordsAfter;  // UTF-8; empty: unchanged
};

class RecordsEraseTest : public ::testing::TestWithParam<EraseCase> {};

TEST_P(RecordsEraseTest, ErasesTheRecordsOfTheUnitsChosen) {
  const EraseCase& c = GetParam();
  const ProgramFolder program;
  ScriptedPrompter prompter;
  prompter.answers = {c.answer};
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  view.Click(0);
  struct stat before {};
  ASSERT_EQ(::stat(program.RecordIni().c_str(), &before), 0);
  // A test file added meanwhile shows once the lists are filled again.
  TempFolder::Write(program.folder / "DATA/f.tst", J("追加\r\n"));

  EXPECT_EQ(view.Erase(c.selected), c.refilled);
  EXPECT_EQ(prompter.messages, c.messages);
  EXPECT_EQ(Utf8(view.TitleItems()), c.titlesAfter);
  EXPECT_EQ(view.DetailLines().empty(), c.refilled);
  const std::string records = FromCp932(TempFolder::Read(program.RecordIni()));
  EXPECT_EQ(records, c.recordsAfter.empty() ? kRecords : c.recordsAfter);
  if (c.recordsAfter.empty()) {
    struct stat after {};
    ASSERT_EQ(::stat(program.RecordIni().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);  // not even rewritten
  }
}

const std::vector<std::string> kTitlesBefore = {"3回 比例のグラフ", "3回 比例のグラフ",
                                                "1回 反比例", "0回 新しい単元"};
const std::vector<std::string> kTitlesRefilled = {"3回 比例のグラフ", "3回 比例のグラフ",
                                                  "1回 反比例", "0回 新しい単元", "0回 追加"};
const char* const kQuestion = "記録を消してもいいですか？";

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordsEraseTest,
    ::testing::Values(
        EraseCase{"NothingSelected",
                  {},
                  Answer::Yes,
                  false,
                  {"消去する単元を選んでください"},
                  kTitlesBefore,
                  ""},
        EraseCase{"NotConfirmed", {0, 2}, Answer::No, false, {kQuestion}, kTitlesBefore, ""},
        EraseCase{
            "OneOfTwoFilesWithOneTitleErasesBoth",
            {1},
            Answer::Yes,
            true,
            {kQuestion},
            {"0回 比例のグラフ", "0回 比例のグラフ", "1回 反比例", "0回 新しい単元", "0回 追加"},
            "[反比例]\r\n1=2003年07月01日 08:30 ○ 00分09秒\r\n[Other]\r\n1=kept\r\n"},
        EraseCase{
            "Several",
            {0, 2, 3},
            Answer::Yes,
            true,
            {kQuestion},
            {"0回 比例のグラフ", "0回 比例のグラフ", "0回 反比例", "0回 新しい単元", "0回 追加"},
            "[Other]\r\n1=kept\r\n"},
        EraseCase{"OnlyUnitsWithoutRecordsChangesNothingButRefills",
                  {3},
                  Answer::Yes,
                  true,
                  {kQuestion},
                  kTitlesRefilled,
                  ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RecordsView, AFailedEraseIsReportedAndTheListsFilledAgain) {
  const ProgramFolder program;
  std::filesystem::permissions(program.RecordIni(), std::filesystem::perms::owner_read);
  ScriptedPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  EXPECT_TRUE(view.Erase({0}));
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{kQuestion, "Record.ini の記録を消去できませんでした。",
                                      std::strerror(EACCES)}));
  EXPECT_EQ(Utf8(view.TitleItems()), kTitlesBefore);
  EXPECT_EQ(FromCp932(TempFolder::Read(program.RecordIni())), kRecords);
}

}  // namespace
