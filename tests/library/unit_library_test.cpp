#include "library/unit_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "model/cp932.h"
#include "storage/work_file.h"
#include "support/core/sample_units.h"
#include "support/core/scripted_prompter.h"
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

// ---- The units shipped with the program ----

std::string ShippedLibrary() { return UnitLibraryPath(MEVROLIN_SOURCE_DIR "/"); }

// The shipped files are the writer's own output: each is written afresh and compared byte for
// byte. With MEVROLIN_WRITE_SAMPLES set the shipped files themselves are rewritten.
TEST(ShippedUnits, AreExactlyWhatTheWriterMakesOfThem) {
  const bool rewrite = std::getenv("MEVROLIN_WRITE_SAMPLES") != nullptr;
  TempFolder folder;
  std::vector<std::string> names;
  for (const SampleUnit& unit : SampleUnits()) {
    DocumentBuffer buffer;
    buffer.Reset("");
    for (const TLineData& curve : unit.curves) buffer.AppendCurve(curve);
    const std::string target = rewrite ? ShippedLibrary() + unit.fileName : folder / unit.fileName;
    ScriptedPrompter prompter;
    ASSERT_TRUE(SaveLineFile(ToCp932(unit.title), target, buffer, prompter));
    EXPECT_EQ(TempFolder::Read(ShippedLibrary() + unit.fileName), TempFolder::Read(target))
        << unit.fileName;
    names.push_back(unit.fileName);
  }
  std::vector<std::string> shipped;
  for (const auto& entry : std::filesystem::directory_iterator(ShippedLibrary())) {
    shipped.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::sort(shipped.begin(), shipped.end());
  EXPECT_EQ(shipped, names);
}

TEST(ShippedUnits, AreListedByTitleAndOpenAsTheirCurves) {
  const std::vector<SampleUnit> samples = SampleUnits();
  const std::vector<UnitEntry> listed = ListUnits(ShippedLibrary(), UnitMask::DrawingAndTest);
  ASSERT_EQ(listed.size(), samples.size());
  int drawings = 0;
  int tests = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const SampleUnit& unit = samples[i];
    EXPECT_EQ(listed[i].fileName, unit.fileName);
    EXPECT_EQ(FromCp932(listed[i].title), unit.title);
    ScriptedPrompter prompter;
    Work work;
    ASSERT_EQ(
        LoadLineFile(ShippedLibrary() + unit.fileName, EquationForm::Standard, prompter, work),
        static_cast<int32_t>(unit.curves.size()))
        << unit.fileName;
    EXPECT_EQ(work.Curves(), unit.curves);
    (MatchesMask(unit.fileName, UnitMask::TestOnly) ? tests : drawings) += 1;
  }
  EXPECT_GE(drawings, 4);
  EXPECT_GE(tests, 3);
}

// A test unit can be practised on a plane from -12 to 12: whole curves only, and every
// lattice point of every curve strictly inside it.
TEST(ShippedUnits, TestUnitsHoldWholeCurvesWithinAPlaneOfTwelve) {
  for (const UnitEntry& unit : ListUnits(ShippedLibrary(), UnitMask::TestOnly)) {
    std::vector<std::string> scratch;
    std::array<TLineData, kMaxLines + 1> questions{};
    std::vector<std::string> items;
    ScriptedPrompter prompter;
    const int32_t count =
        LoadPreviewFile(ShippedLibrary() + unit.fileName, prompter, scratch, questions, items);
    EXPECT_GT(count, 0) << unit.fileName;
    for (int32_t k = 0; k < count; ++k) {
      const TLineData& q = questions[static_cast<std::size_t>(k)];
      EXPECT_EQ(q.LMode, kModeWhole) << unit.fileName << " " << k;
      const int32_t a = Teisuu(q);
      EXPECT_NE(a, 0);
      EXPECT_LE(std::abs(a), 11) << unit.fileName << " " << k;
    }
  }
}

}  // namespace
