#include "storage/work_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/cp932.h"
#include "support/core/child_process.h"
#include "support/core/save_failed.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using LineArray = std::array<TLineData, kMaxLines + 1>;

const std::string kStructureMsg = "データの構造が違います。";

std::string OpenFailure(const std::string& name) { return "ファイル " + name + " が開けません"; }

// ---- File names ----

struct NameCase {
  const char* name;  // as the platform names it (UTF-8)
  const char* expected;
  const char* message;  // nullptr: no message
};

class CheckFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(CheckFileNameTest, AddsOrChecksTheExtensionOfTheFileNameOnly) {
  const NameCase& c = GetParam();
  ScriptedPrompter prompter;
  EXPECT_EQ(CheckFileName(c.name, prompter), c.expected);
  if (c.message == nullptr) {
    EXPECT_TRUE(prompter.messages.empty());
  } else {
    EXPECT_EQ(prompter.messages, Lines{c.message});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckFileNameTest,
    ::testing::Values(
        NameCase{"", "Mevrolin.mvr", "ファイル名をMevrolin.mvrにしました"},
        NameCase{"work", "work.mvr", nullptr}, NameCase{"work.TST", "work.TST", nullptr},
        NameCase{"work.mvr", "work.mvr", nullptr}, NameCase{"work.Mvr", "work.Mvr", nullptr},
        NameCase{"work.txt", "work.txt", "txt拡張子はmvrまたはtstを使ってください"},
        NameCase{"WORK.TXT", "WORK.TXT", "txt拡張子はmvrまたはtstを使ってください"},
        NameCase{"my.work.mvr", "my.work.mvr", "work.mvr拡張子はmvrまたはtstを使ってください"},
        NameCase{"/root/.local/share/work", "/root/.local/share/work.mvr", nullptr},
        NameCase{"/home/u/.cache/unit.tst", "/home/u/.cache/unit.tst", nullptr},
        NameCase{"C:\\My.Docs\\work", "C:\\My.Docs\\work.mvr", nullptr},
        NameCase{"My.ソ", "My.ソ", "ソ拡張子はmvrまたはtstを使ってください"},
        NameCase{"work.アA", "work.アA", "アa拡張子はmvrまたはtstを使ってください"},
        NameCase{"表", "表.mvr", nullptr},
        // Names with no Shift-JIS form are kept as they are; only the message loses them.
        NameCase{"/tmp/café", "/tmp/café.mvr", nullptr},
        NameCase{"〜/波〜", "〜/波〜.mvr", nullptr},
        NameCase{"x.café", "x.café", "caf?拡張子はmvrまたはtstを使ってください"}));

// ---- Reading ----

// Bytes of a drawing file: a title with ≦, ソ, 表 and half-width kana, colours 255 and
// 16711680, style words 16, 545 and 0.
std::string SampleFile() {
  return ToCp932("≦ソ表ｶﾗｰ 反比例") + "\r\n" +
         "255,16\r\ny = 6/x\r\n2,3\r\n0,0\r\n-99,99\r\n"
         "16711680,545\r\nxy = -8\r\n-2,4\r\n1,5\r\n-3,7\r\n"
         "0,0\r\n" +
         ToCp932("ｙ＝１／ｘ") + "\r\n1,1\r\n0,0\r\n-99,99\r\n";
}

std::string ManyCurves(int32_t n) {
  std::string text = "many\r\n";
  for (int32_t k = 0; k < n; ++k) {
    text += std::to_string(k) + ",16\r\ny = " + std::to_string(k + 1) + "/x\r\n" +
            std::to_string(k + 1) + ",1\r\n0,0\r\n-99,99\r\n";
  }
  return text;
}

// The editor's work before an open command, to show that a failed open leaves it alone.
struct EditorSide {
  Work work;

  EditorSide() {
    TLineData old;
    old.Shiki = "old curve";
    old.X1 = 5;
    old.Y1 = 1;
    work.Reset("old title");
    work.Add(old, EquationForm::Standard);
  }

  int32_t Open(const std::string& name, ScriptedPrompter& prompter,
               EquationForm form = EquationForm::Standard) {
    return LoadLineFile(name, form, prompter, work);
  }

  const TLineData& Line(int32_t i) const { return work.Curve(i); }
  const Lines& ListItems() const { return work.ListItems(); }
  DocumentBuffer& Buffer() { return work.BufferForSave(); }

  void ExpectUnchanged() const {
    const EditorSide fresh;
    EXPECT_EQ(work.Curves(), fresh.work.Curves());
    EXPECT_EQ(work.ListItems(), fresh.work.ListItems());
    EXPECT_EQ(work.Buffer().Lines(), fresh.work.Buffer().Lines());
    EXPECT_FALSE(work.DataSaved());
  }
};

TEST(LoadLineFileTest, ReadsCurvesListsFreshEquationsAndKeepsStoredShiki) {
  TempFolder folder;
  const std::string name = folder / "work.mvr";
  TempFolder::Write(name, SampleFile());
  EditorSide editor;
  ScriptedPrompter prompter;
  ASSERT_EQ(editor.Open(name, prompter, EquationForm::General), 3);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(editor.ListItems(), (Lines{"xy = 6", "xy = -8", "xy = 1"}));
  EXPECT_EQ(editor.Line(0).Shiki, "y = 6/x");
  EXPECT_EQ(editor.Line(2).Shiki, ToCp932("ｙ＝１／ｘ"));
  EXPECT_EQ(editor.Line(0).Color, 255);
  EXPECT_EQ(editor.Line(1).Color, 16711680);
  EXPECT_EQ(editor.Line(1).LMode, 1);
  EXPECT_EQ(editor.Line(2).LWidth, 1);
  EXPECT_EQ(editor.Buffer().Size(), 16u);
  EXPECT_EQ(editor.Buffer().Lines()[0], ToCp932("≦ソ表ｶﾗｰ 反比例"));
}

TEST(LoadLineFileTest, NameWithoutExtensionOpensTheMvrFile) {
  TempFolder folder;
  TempFolder::Write(folder / "work.mvr", SampleFile());
  EditorSide editor;
  ScriptedPrompter prompter;
  EXPECT_EQ(editor.Open(folder / "work", prompter), 3);
}

struct OpenFailureCase {
  const char* name;
  std::function<void(const std::string& path)> make;            // what lies at the file's path
  std::function<std::string(const std::string& path)> message;  // "" for none
};

std::function<void(const std::string&)> FileWith(std::string bytes) {
  return [bytes](const std::string& path) { TempFolder::Write(path, bytes); };
}

std::function<std::string(const std::string&)> Says(std::string text) {
  return [text](const std::string&) { return text; };
}

const std::vector<OpenFailureCase>& OpenFailureCases() {
  static const std::vector<OpenFailureCase> cases = {
      {"Missing", [](const std::string&) {}, OpenFailure},
      {"Folder", [](const std::string& path) { fs::create_directory(path); }, OpenFailure},
      {"TitleOnly", FileWith("title\r\n"), Says("")},
      {"Empty", FileWith(""), Says(kStructureMsg)},
      {"SevenLines", FileWith(ManyCurves(1) + "extra\r\n"), Says(kStructureMsg)},
      {"Ver4", FileWith("t\r\n<<ver4\r\nh\r\nh\r\n255,16\r\ny = 1/x\r\n1,1\r\n0,0\r\n-99,99\r\n"),
       Says(kStructureMsg)},
      {"Binary", FileWith(std::string("t\r\n\0\0\0\0\r\n", 9)), Says(kStructureMsg)},
      {"HugeLine", FileWith(std::string(kMaxWorkLineBytes + 1, 'x')), Says(kStructureMsg)},
      {"TooLarge",
       [](const std::string& path) {
         TempFolder::Write(path, "t\r\n");
         fs::resize_file(path, kMaxWorkFileBytes + 1);  // sparse: cheap to make
       },
       Says(kStructureMsg)},
      {"LettersInSecondCurve",
       FileWith(ManyCurves(1) + "255,16\r\ny = 1/x\r\none,1\r\n0,0\r\n-99,99\r\n"),
       [](const std::string& path) {
         return "ファイル " + path + " の 9 行目に整数でない値があります";
       }},
      {"EmptyField", FileWith("t\r\n255,\r\ny\r\n1,1\r\n0,0\r\n-99,99\r\n"),
       [](const std::string& path) {
         return "ファイル " + path + " の 2 行目に整数でない値があります";
       }},
  };
  return cases;
}

class OpenFailureTest : public ::testing::TestWithParam<OpenFailureCase> {};

TEST_P(OpenFailureTest, LeavesTheEditorAsItWasAndSaysWhy) {
  const OpenFailureCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "work.mvr";
  c.make(path);
  EditorSide editor;
  ScriptedPrompter prompter;
  EXPECT_EQ(editor.Open(path, prompter), 0);
  const std::string message = c.message(path);
  EXPECT_EQ(prompter.messages, message.empty() ? Lines{} : Lines{message});
  editor.ExpectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenFailureTest, ::testing::ValuesIn(OpenFailureCases()),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LoadLineFileTest, NamedPipeIsRefusedWithoutBlocking) {
  TempFolder folder;
  const std::string path = folder / "pipe.mvr";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EditorSide editor;
  ScriptedPrompter prompter;
  EXPECT_EQ(editor.Open(path, prompter), 0);
  EXPECT_EQ(prompter.messages, Lines{OpenFailure(path)});
  editor.ExpectUnchanged();
}

// ---- Round trips ----

struct RoundTripCase {
  const char* name;
  std::string bytes;
  int32_t curves;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, OpenThenSaveUnderTheSameTitleGivesTheSameBytes) {
  const RoundTripCase& c = GetParam();
  TempFolder folder;
  const std::string original = folder / "in.mvr";
  TempFolder::Write(original, c.bytes);
  EditorSide editor;
  ScriptedPrompter prompter;
  ASSERT_EQ(editor.Open(original, prompter), c.curves);
  const std::string title = editor.Buffer().Lines()[0];
  // The editor's buffer starts with a placeholder; the save puts the title back.
  editor.Buffer().MutableLines()[0] = "placeholder";
  const std::string copy = folder / "out.tst";
  ASSERT_TRUE(SaveLineFile(title, copy, editor.Buffer(), prompter));
  EXPECT_EQ(TempFolder::Read(copy), c.bytes);
  ASSERT_TRUE(SaveLineFile(title, original, editor.Buffer(), prompter));
  EXPECT_EQ(TempFolder::Read(original), c.bytes);
  EXPECT_EQ(editor.Buffer().Lines()[0], title);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(folder.EntryCount(), 2u);  // no temporary file left
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTripTest,
                         ::testing::Values(RoundTripCase{"Sample", SampleFile(), 3},
                                           RoundTripCase{"Hundred", ManyCurves(100), 100},
                                           // Curves past the hundredth travel as lines.
                                           RoundTripCase{"SurplusKept", ManyCurves(102), 100}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LineEnds, OtherLineEndsAreReadAndWrittenAsCrLf) {
  TempFolder folder;
  const std::string path = folder / "lf.mvr";
  std::string lf = SampleFile();
  std::erase(lf, '\r');
  lf.pop_back();  // no end on the last line
  TempFolder::Write(path, lf);
  EditorSide editor;
  ScriptedPrompter prompter;
  ASSERT_EQ(editor.Open(path, prompter), 3);
  ASSERT_TRUE(SaveLineFile(editor.Buffer().Lines()[0], path, editor.Buffer(), prompter));
  EXPECT_EQ(TempFolder::Read(path), SampleFile());
}

TEST(LoadLineFileTest, HenikiKindIsNotStored) {
  TempFolder folder;
  const std::string path = folder / "kind.mvr";
  TLineData line;
  line.LMode = kModeSegment;
  line.LWidth = 1;
  line.HenikiKind = 3;
  line.X1 = 1;
  line.Y1 = 1;
  line.HenikiStart = -2;
  line.HenikiEnd = 2;
  DocumentBuffer written;
  written.Reset("");
  written.AppendCurve(line);
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveLineFile("t", path, written, prompter));
  EditorSide editor;
  ASSERT_EQ(editor.Open(path, prompter), 1);
  EXPECT_EQ(editor.Line(0).HenikiKind, 0);
}

// ---- Writing failures ----

struct SaveFailureCase {
  const char* name;
  // Prepares the folder and returns the name to save to.
  std::function<std::string(const TempFolder&)> target;
  int reason;  // the system's reason the teacher is told
};

class SaveFailureTest : public ::testing::TestWithParam<SaveFailureCase> {};

TEST_P(SaveFailureTest, KeepsOldFileAndTitleLineAndSaysSo) {
  const SaveFailureCase& c = GetParam();
  TempFolder folder;
  const std::string old = folder / "old.mvr";
  TempFolder::Write(old, SampleFile());
  const std::string name = c.target(folder);
  const std::size_t entries = folder.EntryCount();

  DocumentBuffer buffer;
  buffer.Reset("placeholder");
  buffer.AppendCurve(TLineData{});
  const Lines before = buffer.Lines();
  ScriptedPrompter prompter;
  EXPECT_FALSE(SaveLineFile("new title", name, buffer, prompter));
  EXPECT_EQ(buffer.Lines(), before);
  EXPECT_EQ(prompter.messages, SaveFailedMessages(name, c.reason));
  EXPECT_EQ(TempFolder::Read(old), SampleFile());
  EXPECT_EQ(folder.EntryCount(), entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveFailureTest,
    ::testing::Values(
        SaveFailureCase{"MissingFolder", [](const TempFolder& f) { return f / "missing/work.mvr"; },
                        ENOENT},
        // A regular file where the folder should be: even root cannot create files there.
        SaveFailureCase{"FolderIsAFile", [](const TempFolder& f) { return f / "old.mvr/work.mvr"; },
                        ENOTDIR},
        SaveFailureCase{"TargetIsAFolder",
                        [](const TempFolder& f) {
                          fs::create_directory(f / "dir.mvr");
                          return f / "dir.mvr";
                        },
                        EISDIR},
        SaveFailureCase{"ReadOnlyFile",
                        [](const TempFolder& f) {
                          fs::permissions(f / "old.mvr", fs::perms::owner_read |
                                                             fs::perms::group_read |
                                                             fs::perms::others_read);
                          return f / "old.mvr";
                        },
                        EACCES}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SaveFailure, ReadOnlyFolderKeepsTheOldFile) {
  TempFolder folder;
  const std::string old = folder / "old.mvr";
  TempFolder::Write(old, SampleFile());
  // Anyone may write the file itself; only the folder refuses new names.
  fs::permissions(old, fs::perms::all);
  fs::permissions(folder.Path(), fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec);
  fs::permissions(folder.Path(), fs::perms::owner_write, fs::perm_options::remove);
  const bool keptAndSaid = RunAsUnprivileged([&old] {
    DocumentBuffer buffer;
    buffer.Reset("placeholder");
    ScriptedPrompter prompter;
    return !SaveLineFile("t", old, buffer, prompter) && buffer.Lines() == Lines{"placeholder"} &&
           prompter.messages == SaveFailedMessages(old, EACCES);
  });
  EXPECT_TRUE(keptAndSaid);
  EXPECT_EQ(TempFolder::Read(old), SampleFile());
  EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(SaveFailure, AFullDiskKeepsTheOldFileAndSaysSo) {
  TempFolder folder;
  const std::string old = folder / "old.mvr";
  TempFolder::Write(old, SampleFile());
  const bool keptAndSaid = RunWithFileSizeLimit(64, [&old] {
    DocumentBuffer buffer;
    buffer.Reset("placeholder");
    for (int i = 0; i < 20; ++i) buffer.AppendCurve(TLineData{});
    ScriptedPrompter prompter;
    return !SaveLineFile("t", old, buffer, prompter) &&
           prompter.messages == SaveFailedMessages(old, EFBIG);
  });
  EXPECT_TRUE(keptAndSaid);
  EXPECT_EQ(TempFolder::Read(old), SampleFile());
  EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary file left behind
}

// Links the save goes through: where the bytes land, or that nothing is written.
struct LinkCase {
  const char* name;
  std::function<void(const TempFolder&)> make;  // makes "link.mvr" and what it points to
  const char* writtenFile;                      // nullptr: the save fails
  int reason = 0;                               // why it fails
};

class SaveThroughLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(SaveThroughLinks, WriteTheFileTheLinkNamesAndKeepTheLink) {
  const LinkCase& c = GetParam();
  TempFolder folder;
  c.make(folder);
  DocumentBuffer buffer;
  buffer.Reset("");
  ScriptedPrompter prompter;
  const std::string link = folder / "link.mvr";
  const bool saved = SaveLineFile("new", link, buffer, prompter);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
  if (c.writtenFile == nullptr) {
    EXPECT_FALSE(saved);
    EXPECT_EQ(prompter.messages, SaveFailedMessages(link, c.reason));
  } else {
    ASSERT_TRUE(saved);
    EXPECT_EQ(TempFolder::Read(folder / c.writtenFile), "new\r\n");
    EXPECT_EQ(TempFolder::Read(link), "new\r\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveThroughLinks,
    ::testing::Values(
        LinkCase{"ToAFile",
                 [](const TempFolder& f) {
                   TempFolder::Write(f / "real.mvr", "old\r\n");
                   fs::create_symlink(f / "real.mvr", f / "link.mvr");
                 },
                 "real.mvr"},
        LinkCase{"DanglingMakesItsFile",
                 [](const TempFolder& f) { fs::create_symlink("made.mvr", f / "link.mvr"); },
                 "made.mvr"},
        LinkCase{"RelativeChain",
                 [](const TempFolder& f) {
                   fs::create_directory(f / "sub");
                   TempFolder::Write(f / "sub/real.mvr", "old\r\n");
                   fs::create_symlink("real.mvr", f / "sub/inner.mvr");
                   fs::create_symlink("sub/inner.mvr", f / "link.mvr");
                 },
                 "sub/real.mvr"},
        LinkCase{"Loop",
                 [](const TempFolder& f) {
                   fs::create_symlink(f / "other.mvr", f / "link.mvr");
                   fs::create_symlink(f / "link.mvr", f / "other.mvr");
                 },
                 nullptr, ELOOP},
        LinkCase{"ToAFolder",
                 [](const TempFolder& f) {
                   fs::create_directory(f / "dir");
                   fs::create_symlink(f / "dir", f / "link.mvr");
                 },
                 nullptr, EISDIR},
        LinkCase{"IntoAMissingFolder",
                 [](const TempFolder& f) { fs::create_symlink("gone/x.mvr", f / "link.mvr"); },
                 nullptr, ENOENT}),
    [](const auto& row) { return std::string(row.param.name); });

// Whatever the writer accepts, the reader gives back; what it would not, it does not write.
struct UnreadableCase {
  const char* name;
  std::string title;
  std::string curveLine;  // put in place of the first curve's equation line
  bool saved;
  std::string titleRead;  // the title as it reads back when saved
};

class WriterReadsBack : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(WriterReadsBack, NeverReportsASaveThatCannotBeReopened) {
  const UnreadableCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "work.mvr";
  TempFolder::Write(path, SampleFile());
  Work work;
  work.Reset("");
  TLineData line;
  line.X1 = 2;
  line.Y1 = 3;
  work.Add(line, EquationForm::Standard);
  work.BufferForSave().MutableLines()[2] = c.curveLine;
  ScriptedPrompter prompter;
  EXPECT_EQ(SaveLineFile(c.title, path, work.BufferForSave(), prompter), c.saved);
  if (!c.saved) {
    EXPECT_EQ(prompter.messages, Lines{path + "の保存に失敗しました"});
    EXPECT_EQ(TempFolder::Read(path), SampleFile());
    return;
  }
  Work reread;
  ASSERT_EQ(LoadLineFile(path, EquationForm::Standard, prompter, reread), 1);
  EXPECT_EQ(reread.Buffer().Lines().front(), c.titleRead);
  EXPECT_EQ(reread.Curve(0).Shiki, c.curveLine);
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterReadsBack,
    ::testing::Values(UnreadableCase{"NulInTitleBecomesASpace", std::string("uni\0t", 5), "y = 6/x",
                                     true, "uni t"},
                      UnreadableCase{"LongestTitle", std::string(kMaxWorkLineBytes, 'a'), "y = 6/x",
                                     true, std::string(kMaxWorkLineBytes, 'a')},
                      UnreadableCase{"OverlongTitle", std::string(70000, 'a'), "y = 6/x", false,
                                     ""},
                      UnreadableCase{"LineFeedInALine", "t", "y = 6/x\n255,16", false, ""},
                      UnreadableCase{"CarriageReturnInALine", "t", "y = 6/x\r", false, ""},
                      UnreadableCase{"NulInALine", "t", std::string("y = 6/\0x", 8), false, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SaveLineFileTest, ReplacingKeepsTheFilePermissions) {
  TempFolder folder;
  const std::string path = folder / "work.mvr";
  TempFolder::Write(path, "x");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  DocumentBuffer buffer;
  buffer.Reset("");
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveLineFile("t", path, buffer, prompter));
  EXPECT_EQ(TempFolder::Read(path), "t\r\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SaveLineFileTest, SavingThroughALinkReplacesTheFileItPointsTo) {
  TempFolder folder;
  const std::string real = folder / "real.mvr";
  const std::string link = folder / "link.mvr";
  TempFolder::Write(real, "old\r\n");
  fs::create_symlink(real, link);
  DocumentBuffer buffer;
  buffer.Reset("");
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveLineFile("new", link, buffer, prompter));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(TempFolder::Read(real), "new\r\n");
  EXPECT_EQ(folder.EntryCount(), 2u);
}

TEST(SaveLineFileTest, LineBreaksInTheTitleCannotBreakTheFile) {
  TempFolder folder;
  const std::string path = folder / "work.mvr";
  DocumentBuffer buffer;
  buffer.Reset("");
  TLineData line;
  line.X1 = 2;
  line.Y1 = 3;
  line.Shiki = "y = 6/x";
  buffer.AppendCurve(line);
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveLineFile("unit\r\nname\r", path, buffer, prompter));
  Work reread;
  EXPECT_EQ(LoadLineFile(path, EquationForm::Standard, prompter, reread), 1);
  EXPECT_EQ(reread.Buffer().Lines().front(), "unit  name ");
  EXPECT_TRUE(prompter.messages.empty());
}

class NativeNameTest : public ::testing::TestWithParam<const char*> {};

// The names reach the file system as the platform gives them: a name with no Shift-JIS form (é)
// or one that comes back from Shift-JIS as another character (〜 as ～) is saved and opened
// under itself, never under a look-alike.
TEST_P(NativeNameTest, SavesAndOpensTheFileOfThatVeryName) {
  TempFolder folder;
  const std::string name = folder / GetParam();
  // A look-alike that a round trip through Shift-JIS would reach instead.
  TempFolder::Write(folder / FromCp932(ToCp932(GetParam())), "decoy\r\n");
  DocumentBuffer buffer;
  buffer.Reset("");
  TLineData line;
  line.X1 = 1;
  line.Y1 = 1;
  line.Shiki = "y = 1/x";
  buffer.AppendCurve(line);
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveLineFile(ToCp932("表"), name, buffer, prompter));
  EXPECT_EQ(ReadUnitTitle(name), ToCp932("表"));
  Work work;
  EXPECT_EQ(LoadLineFile(name, EquationForm::Standard, prompter, work), 1);
  EXPECT_EQ(work.Buffer().Lines().front(), ToCp932("表"));
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, NativeNameTest,
                         ::testing::Values("café.mvr", "〜波〜.mvr", "表ソ.tst"),
                         [](const auto& row) { return std::to_string(row.index); });

TEST(NativeNameTest, MessagesShowTheNameAsFarAsShiftJisCan) {
  // On disk, then in the message: a UTF-8 name converted, a Shift-JIS name read as Shift-JIS.
  for (const auto& [name, shown] : {std::pair<std::string, std::string>{"café.mvr", "caf?.mvr"},
                                    {"作品.mvr", "作品.mvr"},
                                    {ToCp932("作品.mvr"), "作品.mvr"}}) {
    TempFolder folder;
    ScriptedPrompter prompter;
    Work work;
    EXPECT_EQ(LoadLineFile(folder / name, EquationForm::Standard, prompter, work), 0);
    EXPECT_EQ(prompter.messages, Lines{OpenFailure(folder / shown)});
  }
}

// ---- Preview ----

struct PreviewCase {
  const char* name;
  std::string bytes;
  Lines items;  // the stored Shiki texts
};

class PreviewTest : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewTest, ListsStoredShikiOfEveryWholeCurve) {
  const PreviewCase& c = GetParam();
  TempFolder folder;
  const std::string path = folder / "unit.tst";
  TempFolder::Write(path, c.bytes);
  Lines scratch{"old"};
  LineArray practice{};
  Lines items{"old item"};
  ScriptedPrompter prompter;
  EXPECT_EQ(LoadPreviewFile(path, prompter, scratch, practice, items),
            static_cast<int32_t>(c.items.size()));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(items, c.items);
  Lines lines;
  ASSERT_TRUE(SplitTextLines(c.bytes, lines));
  EXPECT_EQ(scratch, lines);
  for (std::size_t i = 0; i < c.items.size(); ++i) EXPECT_EQ(practice[i].Shiki, c.items[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreviewTest,
    ::testing::Values(
        PreviewCase{"Sample", SampleFile(), {"y = 6/x", "xy = -8", ToCp932("ｙ＝１／ｘ")}},
        PreviewCase{"TitleOnly", "t\r\n", {}},
        PreviewCase{"SevenLines", ManyCurves(1) + "extra\r\n", {"y = 1/x"}},
        PreviewCase{"Ver4",
                    "t\r\n<<ver4\r\n1,2\r\nhead\r\n255,16\r\ny = 1/x\r\n1,1\r\n0,0\r\n-99,99\r\n"
                    "255,16\r\ny = 4/x\r\n2,2\r\n0,0\r\n-99,99\r\n",
                    {"y = 1/x", "y = 4/x"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PreviewFailure, ChangesNothing) {
  TempFolder folder;
  const std::string bad = folder / "bad.tst";
  TempFolder::Write(bad, ManyCurves(1) + "255,16\r\ny\r\n1,1\r\n0,0\r\n-99,x\r\n");
  for (const std::string& path : {bad, folder / "missing.tst"}) {
    Lines scratch{"old"};
    LineArray practice{};
    practice[0].Shiki = "old";
    Lines items{"old item"};
    ScriptedPrompter prompter;
    EXPECT_EQ(LoadPreviewFile(path, prompter, scratch, practice, items), 0);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(scratch, Lines{"old"});
    EXPECT_EQ(practice[0].Shiki, "old");
    EXPECT_EQ(items, Lines{"old item"});
  }
}

// ---- Title probe ----

TEST(ReadUnitTitleTest, FirstLineOrQuestionMark) {
  TempFolder folder;
  const struct {
    const char* file;
    std::string bytes;
    std::string title;
  } cases[] = {
      {"crlf.mvr", SampleFile(), ToCp932("≦ソ表ｶﾗｰ 反比例")},
      {"lf.mvr", "unit\nrest\n", "unit"},
      {"cr.mvr", "unit\rrest", "unit"},
      {"bare.mvr", "unit", "unit"},
      {"empty.mvr", "", ""},
  };
  for (const auto& c : cases) {
    TempFolder::Write(folder / c.file, c.bytes);
    EXPECT_EQ(ReadUnitTitle(folder / c.file), c.title) << c.file;
  }
  fs::create_directory(folder / "dir.mvr");
  EXPECT_EQ(ReadUnitTitle(folder / "dir.mvr"), ToCp932("？"));
  EXPECT_EQ(ReadUnitTitle(folder / "missing.mvr"), ToCp932("？"));
}

}  // namespace
