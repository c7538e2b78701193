#include "library/records.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>

#include "model/cp932.h"
#include "storage/record_texts.h"
#include "support/core/child_process.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"

extern char** environ;

namespace {

std::string J(const char* utf8) { return ToCp932(utf8); }

// The program folder of a test: the temporary folder with its separator.
std::string ProgDir(const TempFolder& folder) { return folder.Path().string() + "/"; }

std::string RecordIni(const TempFolder& folder) { return folder / "Record.ini"; }

struct NextKeyCase {
  const char* name;
  std::string before;
  std::string after;  // Record.ini after the record "r" of unit "U"
};

class WriteRecordTest : public ::testing::TestWithParam<NextKeyCase> {};

TEST_P(WriteRecordTest, AddsTheRecordAboveEveryOtherAndReplacesNothing) {
  TempFolder folder;
  if (!GetParam().before.empty()) TempFolder::Write(RecordIni(folder), GetParam().before);
  ASSERT_TRUE(WriteRecord(ProgDir(folder), "U", "r"));
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), GetParam().after);
}

std::string NineRecords() {
  std::string bytes = "[U]\r\n";
  for (int k = 1; k <= 9; ++k) bytes += std::to_string(k) + "=x\r\n";
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteRecordTest,
    ::testing::Values(
        NextKeyCase{"FirstRecordCreatesTheFile", "", "[U]\r\n1=r\r\n"},
        NextKeyCase{"TenthRecord", NineRecords(), NineRecords() + "10=r\r\n"},
        NextKeyCase{"AfterAKeyErasedByHand", "[U]\r\n1=a\r\n3=c\r\n",
                    "[U]\r\n1=a\r\n3=c\r\n4=r\r\n"},
        NextKeyCase{"KeysOutOfOrder", "[U]\r\n2=b\r\n1=a\r\n", "[U]\r\n2=b\r\n1=a\r\n3=r\r\n"},
        NextKeyCase{"OtherKeysAreNoRecords", "[U]\r\nnote=x\r\n01=y\r\n",
                    "[U]\r\nnote=x\r\n01=y\r\n1=r\r\n"},
        NextKeyCase{"AChangedTitleStartsAtOne", "[Old title]\r\n1=a\r\n2=b\r\n",
                    "[Old title]\r\n1=a\r\n2=b\r\n[U]\r\n1=r\r\n"},
        NextKeyCase{"TitlesWithoutCaseShareASection", "[u]\r\n1=a\r\n", "[u]\r\n1=a\r\n2=r\r\n"},
        // A hand-edited key with no room above it: the next free key, replacing nothing.
        NextKeyCase{"AtTheLastKey", "[U]\r\n999999999=x\r\n", "[U]\r\n999999999=x\r\n1=r\r\n"},
        NextKeyCase{"BelowAHugeKey", "[U]\r\n1=a\r\n2=b\r\n999999999=x\r\n",
                    "[U]\r\n1=a\r\n2=b\r\n999999999=x\r\n3=r\r\n"},
        // A byte-order mark an editor put first hides no section and stays.
        NextKeyCase{"AfterAByteOrderMark", "\xEF\xBB\xBF[U]\r\n1=a\r\n",
                    "\xEF\xBB\xBF[U]\r\n1=a\r\n2=r\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// A record value as the practice window builds it at the end of a run.
std::string RunValue(const DateTime& at, const char* marks, const char* time) {
  return DateText(at) + " " + ClockText(at) + " " + J(marks) + " " + J(time);
}

TEST(WriteRecord, WritesTheFileAsTheProfileFunctionsDo) {
  TempFolder folder;
  const std::string unit = J("比例のグラフ");
  ASSERT_TRUE(WriteRecord(ProgDir(folder), unit, RunValue({2003, 6, 12, 9, 5}, "○○△", "01分12秒")));
  ASSERT_TRUE(
      WriteRecord(ProgDir(folder), unit, RunValue({2003, 6, 13, 14, 30}, "○○○", "00分48秒")));
  ASSERT_TRUE(
      WriteRecord(ProgDir(folder), J("反比例"), RunValue({2003, 6, 5, 9, 5}, "○", "00分05秒")));
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), J("[比例のグラフ]\r\n"
                                                   "1=2003年06月12日 09:05 ○○△ 01分12秒\r\n"
                                                   "2=2003年06月13日 14:30 ○○○ 00分48秒\r\n"
                                                   "[反比例]\r\n"
                                                   "1=2003年06月05日 09:05 ○ 00分05秒\r\n"));
  EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary file left behind
}

TEST(WriteRecord, LeavesEveryOtherByteOfAHandMadeFileAsItWas) {
  TempFolder folder;
  const std::string head =
      J("; 練習の記録\r\n"
        "\r\n"
        "[Settings]\n"
        "mode = 1\n"
        "\n"
        "[比例のグラフ]\n"
        "1=a\n"
        "2=b\n");
  const std::string tail =
      "\n"
      "[Other]\r\n"
      "x=y\r\n"
      "garbage line without an equals sign\r\n"
      "[broken header\r\n"
      "last line without a line end";
  TempFolder::Write(RecordIni(folder), head + tail);
  ASSERT_TRUE(WriteRecord(ProgDir(folder), J("比例のグラフ"), "c"));
  ASSERT_TRUE(WriteRecord(ProgDir(folder), J("新しい単元"), "d"));
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)),
            head + "3=c\r\n" + tail + "\r\n" + J("[新しい単元]\r\n1=d\r\n"));
}

struct LinesCase {
  const char* name;
  std::string section;  // the lines of section "U"
  int32_t count;
  std::vector<std::string> lines;
};

class RecordLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(RecordLinesTest, ShowsEveryRecordInKeyOrder) {
  const ProfileFile file("[Before]\r\n1=no\r\n[U]\r\n" + GetParam().section +
                         "[After]\r\n1=no\r\n");
  EXPECT_EQ(RecordCount(file, "U"), GetParam().count);
  EXPECT_EQ(RecordLines(file, "U"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordLinesTest,
    ::testing::Values(
        LinesCase{"InOrder", "1=a\r\n2=b\r\n", 2, {"a", "b"}},
        LinesCase{"KeysOneAndTen",
                  "1=a\r\n10=j\r\n",
                  2,
                  {"a", "?", "?", "?", "?", "?", "?", "?", "?", "j"}},
        LinesCase{"AGapErasedByHand", "1=a\r\n3=c\r\n", 2, {"a", "?", "c"}},
        LinesCase{"TheFirstErasedByHand", "2=b\r\n", 1, {"?", "b"}},
        LinesCase{"KeysOutOfOrder", "3=c\r\n1=a\r\n2=b\r\n", 3, {"a", "b", "c"}},
        LinesCase{"AKeyTwiceCountsOnce", "1=a\r\n1=again\r\n", 1, {"a"}},
        LinesCase{"OtherKeysAreNoRecords", "note=n\r\n01=z\r\n-2=m\r\n+3=p\r\n1=a\r\n", 1, {"a"}},
        LinesCase{"AMistypedKeyMakesOneGapLine", "1=a\r\n5000=e\r\n", 2, {"a", "?", "e"}},
        // 998 lines, then one for a gap wider than the two left, one, and then none.
        LinesCase{"GapLinesAreBoundedInAll", "1=a\r\n1000=b\r\n1500=c\r\n1502=d\r\n1504=e\r\n", 5,
                  [] {
                    std::vector<std::string> v(999, "?");
                    v.front() = "a";
                    v.insert(v.end(), {"b", "?", "c", "?", "d", "e"});
                    return v;
                  }()},
        LinesCase{"Empty", "", 0, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(EraseRecords, TakesTheNamedUnitsAndNothingElse) {
  TempFolder folder;
  TempFolder::Write(RecordIni(folder),
                    "; c\r\n[A]\r\n1=a\r\n[B]\r\n1=b\r\n[a]\r\n2=a\r\n[C]\r\n1=c\r\n");
  ASSERT_TRUE(EraseRecords(ProgDir(folder), {"A", "C", "Missing"}));
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), "; c\r\n[B]\r\n1=b\r\n");
}

TEST(EraseRecords, WithNothingToEraseLeavesTheFileAlone) {
  TempFolder folder;
  TempFolder::Write(RecordIni(folder), "[A]\r\n1=a\r\n");
  struct stat old {};
  ASSERT_EQ(::stat(RecordIni(folder).c_str(), &old), 0);
  ASSERT_TRUE(EraseRecords(ProgDir(folder), {"B"}));
  struct stat now {};
  ASSERT_EQ(::stat(RecordIni(folder).c_str(), &now), 0);
  EXPECT_EQ(now.st_ino, old.st_ino);  // not replaced
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), "[A]\r\n1=a\r\n");
}

TEST(ReadRecordFile, AMissingFileReadsAsEmptyAnUnreadableOneFails) {
  TempFolder folder;
  ProfileFile file("[x]\r\n1=a\r\n");
  EXPECT_TRUE(ReadRecordFile(ProgDir(folder), file));
  EXPECT_EQ(RecordCount(file, "x"), 0);
  std::filesystem::create_directory(RecordIni(folder));
  EXPECT_FALSE(ReadRecordFile(ProgDir(folder), file));
  EXPECT_FALSE(WriteRecord(ProgDir(folder), "x", "v"));
}

struct FailureCase {
  const char* name;
  std::string recordIni;  // empty: no Record.ini
  std::filesystem::perms fileMode;
  std::filesystem::perms folderMode;
  // How the check runs: as an ordinary user (root may write anything) or with a full disk.
  bool (*run)(const std::function<bool()>& check);
  int reason;  // the errno value the message names
  friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class RecordFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RecordFailureTest, IsReportedAndChangesNothing) {
  namespace fs = std::filesystem;
  const FailureCase& c = GetParam();
  TempFolder folder;
  if (!c.recordIni.empty()) {
    TempFolder::Write(RecordIni(folder), c.recordIni);
    fs::permissions(RecordIni(folder), c.fileMode);
  }
  fs::permissions(folder.Path(), c.folderMode);
  const std::string progDir = ProgDir(folder);
  const bool reported = c.run([&progDir, &c] {
    ScriptedPrompter prompter;
    const bool written =
        RecordRun(progDir, J("比例のグラフ"), J("2003年06月12日 09:05 ○○△ 01分12秒"), prompter);
    const bool erased = EraseRecords(progDir, {"A"});
    // One message that names the file and shows the unit and the record to note down.
    return !written && !erased && prompter.messages.size() == 1 &&
           prompter.messages[0].find("Record.ini") != std::string::npos &&
           prompter.messages[0].find(std::strerror(c.reason)) != std::string::npos &&
           prompter.messages[0].ends_with("比例のグラフ\r\n2003年06月12日 09:05 ○○△ 01分12秒");
  });
  fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
  EXPECT_TRUE(reported);
  if (!c.recordIni.empty()) {
    EXPECT_EQ(TempFolder::Read(RecordIni(folder)), c.recordIni);
    EXPECT_EQ(fs::status(RecordIni(folder)).permissions(), c.fileMode);
  }
  EXPECT_EQ(folder.EntryCount(), c.recordIni.empty() ? 0u : 1u);  // no temporary file left
}

std::string LargeRecordIni() {
  std::string bytes = "[A]\r\n1=a\r\n[B]\r\n";
  for (int k = 1; k <= 200; ++k) bytes += std::to_string(k) + "=2003/06/12 09:05 OOOO\r\n";
  return bytes;
}

bool OnAFullDisk(const std::function<bool()>& check) {
  return RunWithFileSizeLimit(4096, check);  // below the size of the file
}

using std::filesystem::perms;
constexpr perms kReadOnlyFolder =
    perms::owner_read | perms::owner_exec | perms::others_read | perms::others_exec;
constexpr perms kReadOnlyFile = perms::owner_read | perms::group_read | perms::others_read;
constexpr perms kWritableFile = perms::owner_read | perms::owner_write;
INSTANTIATE_TEST_SUITE_P(
    Cases, RecordFailureTest,
    ::testing::Values(
        FailureCase{"ReadOnlyFolderWithoutRecordIni", "", perms::none, kReadOnlyFolder,
                    RunAsUnprivileged, EACCES},
        FailureCase{"ReadOnlyRecordIni", "[A]\r\n1=a\r\n", kReadOnlyFile, perms::all,
                    RunAsUnprivileged, EACCES},
        FailureCase{"FullDisk", LargeRecordIni(), kWritableFile, perms::all, OnAFullDisk, EFBIG},
        // Rewritten in place, the write fails part way: the old bytes go back.
        FailureCase{"FullDiskAndAReadOnlyFolder", LargeRecordIni(), perms::all, kReadOnlyFolder,
                    [](const std::function<bool()>& check) {
                      return OnAFullDisk([&] { return RunAsUnprivileged(check); });
                    },
                    EFBIG}),
    [](const auto& row) { return std::string(row.param.name); });

bool WithUmask022(const std::function<bool()>& check) {
  return RunInChild([&check] {
    ::umask(022);
    return check();
  });
}

struct KeptCase {
  const char* name;
  std::string recordIni;  // empty: no Record.ini
  perms fileMode;
  perms folderMode;
  bool (*run)(const std::function<bool()>& check);
  std::string after;
  perms modeAfter;
};

class RecordKeptTest : public ::testing::TestWithParam<KeptCase> {};

// Beside the records it is told to keep, a temporary file a writer killed mid-write left.
TEST_P(RecordKeptTest, TheRecordIsWrittenAndNoOtherFileIsLeft) {
  namespace fs = std::filesystem;
  const KeptCase& c = GetParam();
  TempFolder folder;
  TempFolder::Write(folder / ".Record.ini.k1LLed", "half a record");
  if (!c.recordIni.empty()) {
    TempFolder::Write(RecordIni(folder), c.recordIni);
    fs::permissions(RecordIni(folder), c.fileMode);
  }
  fs::permissions(folder.Path(), c.folderMode);
  EXPECT_TRUE(c.run([&folder] { return WriteRecord(ProgDir(folder), "U", "r"); }));
  fs::permissions(folder.Path(), fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), c.after);
  EXPECT_EQ(fs::status(RecordIni(folder)).permissions(), c.modeAfter);
  // Only where the folder takes no change does the stale file stay.
  EXPECT_EQ(folder.EntryCount(), (c.folderMode & perms::owner_write) == perms::none ? 2u : 1u);
}

constexpr perms kRw =
    perms::owner_read | perms::owner_write | perms::group_read | perms::others_read;
constexpr perms kGroupRw = kRw | perms::group_write;
INSTANTIATE_TEST_SUITE_P(
    Cases, RecordKeptTest,
    ::testing::Values(
        // No temporary file can be made: the file is rewritten where it stands.
        KeptCase{"ReadOnlyFolderWithAWritableRecordIni", "[A]\r\n1=a\r\n", perms::all,
                 kReadOnlyFolder, RunAsUnprivileged, "[A]\r\n1=a\r\n[U]\r\n1=r\r\n", perms::all},
        // A folder the class's group writes: so may the group Record.ini, never others.
        KeptCase{"NewInAGroupWritableFolder", "", perms::none, perms::all & ~perms::others_write,
                 WithUmask022, "[U]\r\n1=r\r\n", kGroupRw}),
    [](const auto& row) { return std::string(row.param.name); });

// Pupils with accounts of their own in one class group, sharing a setgid class folder: each
// adds records after the first made the file; an account outside the group cannot.
TEST(WriteRecord, EveryAccountOfTheClassGroupWritesIntoOneFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "other accounts need root";
  constexpr gid_t kClass = 4242;
  TempFolder folder;
  ASSERT_EQ(::chown(folder.Path().c_str(), 0, kClass), 0);
  ASSERT_EQ(::chmod(folder.Path().c_str(), 02775), 0);
  const std::string progDir = ProgDir(folder);
  struct Pupil {
    uid_t uid;
    gid_t gid;
    bool writes;
  };
  for (const Pupil& p :
       {Pupil{5001, kClass, true}, Pupil{5002, kClass, true}, Pupil{5003, kClass + 1, false}}) {
    const bool written = WithUmask022([&] {
      return ::setgroups(0, nullptr) == 0 && ::setgid(p.gid) == 0 && ::setuid(p.uid) == 0 &&
             WriteRecord(progDir, "U", std::to_string(p.uid));
    });
    EXPECT_EQ(written, p.writes) << p.uid;
  }
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), "[U]\r\n1=5001\r\n2=5002\r\n");
}

// Another program holding the lock for good costs a bounded wait and a message, not the window.
TEST(RecordRun, AHeldLockIsWaitedForBoundedlyAndReported) {
  TempFolder folder;
  const std::string before = "[U]\r\n1=a\r\n";
  TempFolder::Write(RecordIni(folder), before);
  const int held = ::open(RecordIni(folder).c_str(), O_RDWR);
  struct flock lock {};
  lock.l_type = F_WRLCK;
  ASSERT_EQ(::fcntl(held, F_SETLK, &lock), 0);
  EXPECT_TRUE(RunInChild([&folder] {
    ScriptedPrompter prompter;
    const auto start = std::chrono::steady_clock::now();
    return !RecordRun(ProgDir(folder), "U", "r", prompter) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(8) &&
           prompter.messages.size() == 1 && prompter.messages[0].ends_with("U\r\nr") &&
           prompter.messages[0].find(std::strerror(EBUSY)) != std::string::npos;
  }));
  ::close(held);
  EXPECT_EQ(TempFolder::Read(RecordIni(folder)), before);
}

// Copies of the program writing records into one Record.ini at the same moment lose none.
TEST(WriteRecord, SeveralProgramsAtOnceLoseNoRecord) {
  // A class of forty, ten records each.
  constexpr int kPrograms = 40;
  constexpr int kRecords = 10;
  TempFolder folder;
  const std::string progDir = ProgDir(folder);
  const std::string count = std::to_string(kRecords);
  std::vector<pid_t> children;
  for (int p = 0; p < kPrograms; ++p) {
    const std::string name = "p" + std::to_string(p);
    std::vector<char*> argv = {const_cast<char*>(MEVROLIN_RECORD_WRITER),
                               const_cast<char*>(progDir.c_str()), const_cast<char*>(name.c_str()),
                               const_cast<char*>(count.c_str()), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, MEVROLIN_RECORD_WRITER, nullptr, nullptr, argv.data(), environ),
              0);
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  const std::string bytes = TempFolder::Read(RecordIni(folder));
  const ProfileFile file(bytes);
  EXPECT_EQ(file.Sections(), (std::vector<std::string>{"A", "B"}));
  std::map<std::string, int> seen;
  for (const char* section : {"A", "B"}) {
    const std::vector<std::string> keys = file.Keys(section);
    ASSERT_EQ(keys.size(), static_cast<std::size_t>(kPrograms * kRecords / 2));
    for (std::size_t k = 0; k < keys.size(); ++k) {
      EXPECT_EQ(keys[k], std::to_string(k + 1));  // 1, 2, 3, ... in file order
      ++seen[file.ReadString(section, keys[k], "")];
    }
  }
  for (int p = 0; p < kPrograms; ++p) {
    for (int i = 0; i < kRecords; ++i) {
      EXPECT_EQ(seen["p" + std::to_string(p) + "-" + std::to_string(i)], 1) << p << " " << i;
    }
  }
  // Well formed: two headers and the records, every line ended by CR LF.
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2 + kPrograms * kRecords);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 2 + kPrograms * kRecords);
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

}  // namespace
