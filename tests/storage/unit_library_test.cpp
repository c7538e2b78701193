#include "storage/unit_library.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/cp932.h"
#include "support/core/temp_folder.h"

namespace {

// A library with drawing and test files in mixed case, a folder and an unreadable name.
struct Library {
  TempFolder folder;
  Library() {
    TempFolder::Write(folder / "b_tangen.mvr", ToCp932("反比例のグラフ") + "\r\n255,16\r\n");
    TempFolder::Write(folder / "A_test.TST", ToCp932("テスト１") + "\r\n");
    TempFolder::Write(folder / "c.tst", "");  // an empty file has an empty title
    TempFolder::Write(folder / "notes.txt", "x\r\n");
    TempFolder::Write(folder / "mvr", "no extension\r\n");
    std::filesystem::create_directory(folder.Path() / "folder.mvr");
  }
};

struct MaskCase {
  const char* name;
  UnitMask mask;
  std::vector<std::string> files;
};

class ListUnitsTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(ListUnitsTest, ListsTheMaskedFilesInNameOrder) {
  const Library library;
  std::vector<std::string> files;
  for (const UnitEntry& unit : ListUnits(library.folder.Path().string(), GetParam().mask)) {
    files.push_back(unit.fileName);
  }
  EXPECT_EQ(files, GetParam().files);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, ListUnitsTest,
    ::testing::Values(MaskCase{"DrawingAndTest",
                               UnitMask::DrawingAndTest,
                               {"A_test.TST", "b_tangen.mvr", "c.tst"}},
                      MaskCase{"TestOnly", UnitMask::TestOnly, {"A_test.TST", "c.tst"}},
                      MaskCase{"DrawingOnly", UnitMask::DrawingOnly, {"b_tangen.mvr"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ListUnits, EachFileWithTheTitleOnItsFirstLine) {
  const Library library;
  const auto units = ListUnits(library.folder.Path().string(), UnitMask::DrawingAndTest);
  ASSERT_EQ(units.size(), 3u);
  EXPECT_EQ(FromCp932(units[0].title), "テスト１");
  EXPECT_EQ(FromCp932(units[1].title), "反比例のグラフ");
  EXPECT_EQ(units[2].title, "");
}

TEST(ListUnits, AMissingFolderListsNothing) {
  EXPECT_TRUE(ListUnits("/nonexistent/DATA/", UnitMask::DrawingAndTest).empty());
}

TEST(ListUnits, NamesThatHaveNoShiftJisFormKeepTheirOwnName) {
  TempFolder folder;
  TempFolder::Write(folder / "caf\xC3\xA9.mvr", "cafe\r\n");   // café
  TempFolder::Write(folder / "\xE3\x80\x9C.mvr", "wave\r\n");  // 〜
  const auto units = ListUnits(folder.Path().string(), UnitMask::DrawingOnly);
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0].fileName, "caf\xC3\xA9.mvr");
  EXPECT_EQ(units[0].title, "cafe");
  EXPECT_EQ(units[1].title, "wave");
}

TEST(UnitLibraryPath, DataBesideTheProgram) {
  EXPECT_EQ(UnitLibraryPath("/home/teacher/mevrolin/"), "/home/teacher/mevrolin/DATA/");
}

}  // namespace
