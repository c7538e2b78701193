#include "library/class_records.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "library/class_csv.h"
#include "model/cp932.h"
#include "support/core/temp_folder.h"

namespace {

namespace fs = std::filesystem;

const char* const kStates[] = {"read", "none", "unreadable"};

// The table as one text: the units, then a line per pupil with its state and cells (UTF-8).
std::string Describe(const ClassTable& table) {
  if (!table.folderRead) return "no folder";
  std::string text = "units:";
  for (const std::string& unit : table.units) text += " " + FromCp932(unit);
  for (const ClassRow& row : table.rows) {
    text += "\n" + row.pupil + " " + kStates[static_cast<int>(row.state)];
    for (const ClassCell& cell : row.cells) text += " [" + FromCp932(ClassCellText(cell)) + "]";
  }
  return text;
}

void Pupil(const TempFolder& c, const std::string& name, const std::string& utf8Records) {
  fs::create_directories(c.Path() / "class" / name);
  TempFolder::Write(c / ("class/" + name + "/Record.ini"), ToCp932(utf8Records));
}

const std::string kTwoRuns =
    "[反比例]\r\n1=2003年06月12日 09:05 ○×○ 01分12秒\r\n"
    "2=2003年06月13日 14:30 ○○△ 00分48秒\r\n";

struct ClassCase {
  const char* name;
  std::function<void(const TempFolder&)> prepare;  // the class folder is c / "class"
  std::string expected;
};

class ClassFolderTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassFolderTest, ReadsEveryPupilWithoutFollowingLinksOrBlocking) {
  TempFolder c;
  fs::create_directories(c.Path() / "class");
  GetParam().prepare(c);
  EXPECT_EQ(Describe(ReadClassFolder(c / "class")), GetParam().expected);
  // Nothing was written in the pupils' folders.
  std::error_code none;
  for (const auto& entry : fs::recursive_directory_iterator(c.Path() / "class", none)) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
  }
}

std::string FortyPupils() {
  std::string text = "units: 反比例";
  for (int i = 10; i < 50; ++i) text += "\np" + std::to_string(i) + " read [2回 ○○△ 00分48秒]";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ClassFolderTest,
    ::testing::Values(
        ClassCase{"Empty", [](const TempFolder&) {}, "units:"},
        ClassCase{"Missing", [](const TempFolder& c) { fs::remove(c.Path() / "class"); },
                  "no folder"},
        ClassCase{"OnePupilTwoUnits",
                  [](const TempFolder& c) {
                    Pupil(c, "aki", kTwoRuns + "[比例]\r\n3=2003年07月01日 10:00 ○ 125分03秒\r\n");
                  },
                  "units: 反比例 比例\naki read [2回 ○○△ 00分48秒] [1回 ○ 125分03秒]"},
        ClassCase{"FortyPupils",
                  [](const TempFolder& c) {
                    for (int i = 10; i < 50; ++i) Pupil(c, "p" + std::to_string(i), kTwoRuns);
                  },
                  FortyPupils()},
        ClassCase{"PupilsWithoutRecordsHiddenFoldersAndPlainFiles",
                  [](const TempFolder& c) {
                    Pupil(c, "b", kTwoRuns);
                    fs::create_directories(c.Path() / "class/a/DATA");
                    fs::create_directories(c.Path() / "class/.trash");
                    TempFolder::Write(c / "class/notes.txt", "x");
                  },
                  "units: 反比例\na none []\nb read [2回 ○○△ 00分48秒]"},
        ClassCase{"UnreadableRecordFiles",
                  [](const TempFolder& c) {
                    fs::create_directories(c.Path() / "class/dir/Record.ini");
                    fs::create_directories(c.Path() / "class/fifo");
                    ::mkfifo((c / "class/fifo/Record.ini").c_str(), 0600);
                  },
                  "units:\ndir unreadable\nfifo unreadable"},
        ClassCase{"HostileRecordFiles",
                  [](const TempFolder& c) {
                    Pupil(c, "junk", std::string("\0\xff[\x81]\r\n=\r\n[", 12));
                    Pupil(c, "keys",
                          "[U]\r\n01=a\r\n999999999=2003年06月12日 09:05 ○ 99分99秒\r\n"
                          "1000000000=b\r\n[U]\r\n2=x y z w\r\n");
                  },
                  "units: U\njunk read []\nkeys read [2回 ?]"},
        ClassCase{"FileOfTooManyUnits",
                  [](const TempFolder& c) {
                    std::string many;
                    for (int i = 0; i <= 1000; ++i) many += "[" + std::to_string(i) + "]\n1=x\n";
                    Pupil(c, "many", many);
                  },
                  "units:\nmany unreadable"},
        ClassCase{"LinksLeadingOut",
                  [](const TempFolder& c) {
                    Pupil(c, "ok", kTwoRuns);
                    fs::create_directories(c.Path() / "other");
                    TempFolder::Write(c / "other/Record.ini", ToCp932(kTwoRuns));
                    fs::create_directory_symlink(c.Path() / "other", c.Path() / "class/linked");
                    fs::create_directories(c.Path() / "class/file");
                    fs::create_symlink(c.Path() / "other/Record.ini",
                                       c.Path() / "class/file/Record.ini");
                    fs::create_directories(c.Path() / "class/hard");
                    fs::create_hard_link(c.Path() / "other/Record.ini",
                                         c.Path() / "class/hard/Record.ini");
                  },
                  "units: 反比例\nfile unreadable []\nhard unreadable []\nlinked unreadable []\n"
                  "ok read [2回 ○○△ 00分48秒]"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ClassCellTest, ShowsTheLinesOfAUnitWithGapsAndTheCsvForTheGradeBook) {
  TempFolder c;
  fs::create_directories(c.Path() / "class");
  Pupil(c, "=cmd", kTwoRuns + "[比例, \"その1\"]\r\n1=x\r\n3=2003/07/01 10:00 ○ 00分09秒\r\n");
  fs::create_directories(c.Path() / "class/\x82\xa0");  // あ in Shift-JIS
  fs::create_directories(c.Path() / "class/zz/Record.ini");
  const ClassTable table = ReadClassFolder(c / "class");
  ASSERT_EQ(table.rows.size(), 3u);
  std::vector<std::string> lines;
  for (const std::string& line : ClassCellLines(table.rows[0].cells[1])) {
    lines.push_back(FromCp932(line));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"x", "?", "2003/07/01 10:00 ○ 00分09秒"}));
  EXPECT_EQ(FromCp932(ClassCellLines(table.rows[2].cells[0]).at(0)), "練習の記録はありません");
  EXPECT_EQ(ClassCsv(table),
            "\xEF\xBB\xBF生徒,単元,回数,最新の日時,最新の結果,最新の時間（秒）,"
            "最新で1回目に正解した数,全回の最短時間（秒）,備考\r\n"
            "'=cmd,反比例,2,2003-06-13 14:30,○○△,48,2,48,\r\n"
            "'=cmd,\"比例, \"\"その1\"\"\",2,2003/07/01 10:00,○,9,1,9,\r\n"
            "zz,,,,,,,,記録を読めません\r\n"
            "あ,反比例,0,,,,,,\r\n"
            "あ,\"比例, \"\"その1\"\"\",0,,,,,,\r\n");
  int error = 0;
  EXPECT_FALSE(SaveClassCsv(c / "missing/class.csv", table, error));
  EXPECT_EQ(error, ENOENT);
}

}  // namespace
