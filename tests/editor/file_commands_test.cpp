// The file commands driven with scripted answers, dialogs and windows, on a program folder of
// its own in a temporary folder.
#include "editor/file_commands.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/cp932.h"
#include "storage/work_file.h"
#include "support/core/editor_rig.h"
#include "support/core/save_failed.h"
#include "support/core/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kSaveQuestion = "現在のデータを保存しますか";
const std::string kOverwriteTail = "上書きしてもいいですか";
const std::string kNoData = "保存するﾃﾞｰﾀがありません";

// A work file written by the program's own writer: the title and curves through (k, k + 1).
std::string WorkBytes(const std::string& titleUtf8, int32_t curves) {
  DocumentBuffer buffer;
  buffer.Reset("");
  for (int32_t k = 1; k <= curves; ++k) {
    TLineData line;
    line.LWidth = 1;
    line.IncStart = line.IncEnd = true;
    line.Color = 255;
    line.X1 = k;
    line.Y1 = k + 1;
    line.HenikiStart = kOpenLeft;
    line.HenikiEnd = kOpenRight;
    line.Shiki = EquationText(line, EquationForm::Standard);
    buffer.AppendCurve(line);
  }
  buffer.MutableLines().front() = ToCp932(titleUtf8);
  return JoinTextLines(buffer.Lines());
}

// What a command that ends without going on must leave exactly as it was.
struct Snapshot {
  int32_t count;
  std::string curTitle;
  std::string curFileName;
  std::string shownTitle;
  std::string shownPath;
  bool newFileFlag;
  bool dataSaved;
  Lines lines;
  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

class FileCommandsTest : public ::testing::Test {
 protected:
  TempFolder folder;
  const std::string prog = folder.Path().string() + "/";
  const std::string library = prog + "DATA/";
  EditorRig rig{prog};
  Editor& editor = rig.editor;
  ScriptedPrompter& prompter = rig.prompter;
  RigWindows& windows = rig.windows;

  FileCommands& files() { return editor.Files(); }
  const EditorState& state() const { return editor.State(); }
  const Work& work() const { return editor.OpenWork(); }

  // A unit in the library, written by the writer.
  std::string PutUnit(const std::string& file, const std::string& titleUtf8, int32_t curves) {
    fs::create_directories(library);
    TempFolder::Write(library + file, WorkBytes(titleUtf8, curves));
    return library + file;
  }

  // Opens a unit of the library by title, with nothing to save first.
  void OpenUnit(const std::string& file) {
    windows.unitsToEdit.push_back(file);
    files().OpenByUnit();
  }

  // New curves through (1, 1), (1, 2), ...: the work is changed.
  void Draw(int32_t curves) {
    for (int32_t k = 1; k <= curves; ++k) rig.Click(1, k);
  }

  Snapshot Take() const {
    const ShownFileInfo& shown = editor.ShownFile();
    return {work().Count(), state().CurTitle,    state().CurFileName, shown.title,
            shown.filePath, state().NewFileFlag, work().DataSaved(),  work().Buffer().Lines()};
  }
};

// ---- The question before New and Open ----

enum class Command { New, OpenByUnit, OpenFile };

// How the user answers "現在のデータを保存しますか" and what follows it.
struct GuardCase {
  const char* name;
  std::vector<Answer> answers;  // to the save question and to the overwrite question
  const char* chosen;           // the save dialog's answer in the library; nullptr: cancelled
  bool exists;                  // a file of that name is there already
  bool goesOn;                  // the command replaces the work
  bool written;                 // the chosen file then holds the unsaved work
  bool failureMessage = false;  // the write failed and said so
  bool calledOff = false;       // the user cancelled: a New still leaves the work to be named
};

const GuardCase kGuardCases[] = {
    {"Cancel", {Answer::Cancel}, nullptr, false, false, false, false, true},
    {"NoSaveGoesOn", {Answer::No}, nullptr, false, true, false},
    {"SaveDialogCancelled", {Answer::Yes}, nullptr, false, false, false, false, true},
    {"SavedToANewFile", {Answer::Yes}, "kept.mvr", false, true, true},
    {"ReplaceAnswerYes", {Answer::Yes, Answer::Yes}, "kept.mvr", true, true, true},
    // Declining to replace a file keeps the curves: the command ends as if cancelled.
    {"ReplaceAnswerNoKeepsTheWork", {Answer::Yes, Answer::No}, "kept.mvr", true, false, false},
    {"ReplaceAnswerCancel",
     {Answer::Yes, Answer::Cancel},
     "kept.mvr",
     true,
     false,
     false,
     false,
     true},
    {"WriteFails", {Answer::Yes}, "missing/kept.mvr", false, false, false, true},
};

class GuardTest : public FileCommandsTest,
                  public ::testing::WithParamInterface<std::tuple<Command, GuardCase>> {};

TEST_P(GuardTest, TheWorkIsReplacedOnlyWhenSavedOrGivenUp) {
  const auto& [command, c] = GetParam();
  PutUnit("start.mvr", "始めの単元", 1);
  const std::string opened = PutUnit("open.mvr", "開く単元", 2);
  OpenUnit("start.mvr");
  ASSERT_EQ(work().Count(), 1);
  Draw(2);
  const std::string chosen = c.chosen != nullptr ? library + c.chosen : std::string();
  const std::string oldBytes = "old bytes\r\n";
  if (c.exists) TempFolder::Write(chosen, oldBytes);
  const Snapshot before = Take();
  const Lines unsaved = work().Buffer().Lines();
  prompter.messages.clear();
  prompter.answers.assign(c.answers.begin(), c.answers.end());
  if (c.answers.front() == Answer::Yes) {
    prompter.files.push_back(c.chosen != nullptr ? std::optional<std::string>(chosen)
                                                 : std::nullopt);
  }
  switch (command) {
    case Command::New:
      files().NewFile();
      break;
    case Command::OpenByUnit:
      windows.unitsToEdit.push_back("open.mvr");
      files().OpenByUnit();
      break;
    case Command::OpenFile:
      prompter.files.push_back(opened);
      files().OpenFile();
      break;
  }

  // The questions asked, in order.
  Lines expected{kSaveQuestion};
  if (c.exists) expected.push_back(chosen + kOverwriteTail);
  if (c.failureMessage) {
    for (const std::string& m : SaveFailedMessages(chosen, ENOENT)) expected.push_back(m);
  }
  EXPECT_EQ(prompter.messages, expected);

  if (c.written) {
    Lines lines = unsaved;
    lines.front() = ToCp932("始めの単元");  // saved under the shown title
    EXPECT_EQ(TempFolder::Read(chosen), JoinTextLines(lines));
  } else if (c.exists) {
    EXPECT_EQ(TempFolder::Read(chosen), oldBytes);
  } else if (!chosen.empty()) {
    EXPECT_FALSE(fs::exists(chosen));
  }

  if (!c.goesOn) {
    Snapshot unchanged = before;
    if (command == Command::New && c.calledOff) unchanged.newFileFlag = true;
    EXPECT_EQ(Take(), unchanged);
    EXPECT_EQ(rig.FirstCurveStrokesOnPlane() > 0, true);  // the work is shown, not blanked
    return;
  }
  if (command == Command::New) {
    EXPECT_EQ(work().Count(), 0);
    EXPECT_EQ(FromCp932(editor.ShownFile().title), "新しい単元");
    EXPECT_EQ(editor.ShownFile().filePath, prog + "Mevrolin.mvr");
    EXPECT_TRUE(state().NewFileFlag);
  } else {
    EXPECT_EQ(work().Count(), 2);
    EXPECT_EQ(FromCp932(state().CurTitle), "開く単元");
    EXPECT_EQ(state().CurFileName, opened);
    EXPECT_FALSE(state().NewFileFlag);
  }
  EXPECT_TRUE(work().DataSaved());
}

std::string GuardCaseName(const ::testing::TestParamInfo<std::tuple<Command, GuardCase>>& row) {
  static const char* const kCommands[] = {"New", "OpenByUnit", "OpenFile"};
  return std::string(kCommands[static_cast<int>(std::get<0>(row.param))]) + "_" +
         std::get<1>(row.param).name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GuardTest,
                         ::testing::Combine(::testing::Values(Command::New, Command::OpenByUnit,
                                                              Command::OpenFile),
                                            ::testing::ValuesIn(kGuardCases)),
                         GuardCaseName);

// ---- Commands that need no question ----

TEST_F(FileCommandsTest, NewWithAChangedWorkWithoutCurvesAsksNothing) {
  Draw(1);
  editor.List().SelectAll();
  editor.List().DeleteSelected();
  ASSERT_FALSE(work().DataSaved());
  files().NewFile();
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(prompter.fileDialogs.empty());
  EXPECT_EQ(work().Count(), 0);
  EXPECT_EQ(work().Buffer().Lines().size(), 1u);
}

TEST_F(FileCommandsTest, OpeningByUnitShowsItsCurvesTitleAndPath) {
  const std::string path = PutUnit("unit.tst", "反比例のテスト", 3);
  Draw(1);
  prompter.answers = {Answer::No};
  OpenUnit("unit.tst");
  EXPECT_EQ(prompter.messages, Lines{kSaveQuestion});
  ASSERT_EQ(work().Count(), 3);
  EXPECT_EQ(work().ListItems(), (Lines{"y = 2/x", "y = 6/x", "y = 12/x"}));
  EXPECT_EQ(FromCp932(editor.ShownFile().title), "反比例のテスト");
  EXPECT_EQ(editor.ShownFile().filePath, path);
  EXPECT_EQ(editor.ShownFile().count, 3);
  EXPECT_EQ(state().CurFileName, path);
  EXPECT_TRUE(work().DataSaved());
  EXPECT_FALSE(state().NewFileFlag);
}

// A name chosen without its extension opens the ".mvr" file, and that file is the one the work
// is then named by and overwritten as; a file that really has the bare name is never touched.
TEST_F(FileCommandsTest, AFileOpenedWithoutItsExtensionIsTheOneOverwritten) {
  const std::string unit = PutUnit("foo.mvr", "拡張子のある単元", 1);
  const std::string bare = library + "foo";
  TempFolder::Write(bare, "another file\r\n");
  prompter.files = {bare};
  files().OpenFile();
  ASSERT_EQ(work().Count(), 1);
  EXPECT_EQ(state().CurFileName, unit);
  EXPECT_EQ(editor.ShownFile().filePath, unit);
  Draw(1);
  files().OverWrite();
  EXPECT_EQ(TempFolder::Read(bare), "another file\r\n");
  Work reread;
  EXPECT_EQ(LoadLineFile(unit, EquationForm::Standard, prompter, reread), 2);
}

// The open-by-unit window shows the main plane empty; any way it ends without a new work
// brings the editor's curves back.
TEST_F(FileCommandsTest, TheUnitWindowBlanksThePlaneOnlyWhileItIsUp) {
  PutUnit("broken.mvr", "壊れた単元", 1);
  TempFolder::Write(library + "broken.mvr", "title\r\nshort\r\n");
  Draw(1);
  prompter.answers = {Answer::No};
  int32_t strokesWhileUp = -1;
  windows.whileUnitWindowIsUp = [&] { strokesWhileUp = rig.FirstCurveStrokesOnPlane(); };
  for (const std::optional<std::string>& choice :
       {std::optional<std::string>(), std::optional<std::string>("broken.mvr")}) {
    const Snapshot before = Take();
    windows.unitsToEdit.push_back(choice);
    files().OpenByUnit();
    EXPECT_EQ(strokesWhileUp, 0);
    EXPECT_GT(rig.FirstCurveStrokesOnPlane(), 0);
    EXPECT_EQ(Take(), before);
  }
  EXPECT_EQ(prompter.messages, (Lines{kSaveQuestion, "データの構造が違います。"}));
}

TEST_F(FileCommandsTest, ACancelledOrRefusedOpenKeepsTheWorkWithoutAFileOfItsOwn) {
  TempFolder::Write(prog + "title-only.mvr", "title\r\n");
  ASSERT_TRUE(state().NewFileFlag);
  prompter.files = {std::nullopt, prog + "title-only.mvr", prog + "missing.mvr"};
  for (int i = 0; i < 3; ++i) files().OpenFile();
  windows.unitsToEdit = {std::nullopt};
  files().OpenByUnit();
  EXPECT_TRUE(state().NewFileFlag);
  EXPECT_EQ(prompter.messages, (Lines{"ファイル " + prog + "missing.mvr が開けません"}));
  // So the next overwrite still asks for a unit name and a file.
  Draw(1);
  prompter.messages.clear();
  files().OverWrite();
  EXPECT_EQ(windows.unitNameAsked.size(), 1u);
}

TEST_F(FileCommandsTest, FileDialogsStartInTheLibraryWithTheirFilters) {
  PutUnit("a.mvr", "a", 1);
  OpenUnit("a.mvr");
  Draw(1);
  prompter.answers = {Answer::Yes};
  prompter.files = {std::nullopt};
  files().OpenFile();  // save question: yes, then the save dialog is cancelled
  prompter.answers = {Answer::No};
  files().OpenFile();
  ASSERT_EQ(prompter.fileDialogs.size(), 2u);
  EXPECT_EQ(
      prompter.fileDialogs[0],
      (FileDialogRequest{ToCp932("mvr描画用ファイル|*.mvr|tstﾃｽﾄ用ﾌｧｲﾙ|*.tst"), library, "a.mvr"}));
  EXPECT_EQ(prompter.fileDialogs[1],
            (FileDialogRequest{ToCp932("mvr描画用ファイル|*.mvr|tstテスト用ファイル|*.tst"),
                               library, ""}));
}

// A work opened from outside the library is offered for saving where it came from: accepting
// the proposal saves the teacher's file, not a new copy in the library.
TEST_F(FileCommandsTest, TheSaveDialogProposesAnOutsideWorksOwnFile) {
  const std::string outside = prog + "usb/";
  fs::create_directories(outside);
  TempFolder::Write(outside + "lesson.mvr", WorkBytes("持ってきた単元", 1));
  prompter.files = {outside + "lesson.mvr"};
  files().OpenFile();
  ASSERT_EQ(work().Count(), 1);
  Draw(1);
  prompter.answers = {Answer::Yes};
  prompter.files = {std::nullopt};
  files().NewFile();
  ASSERT_EQ(prompter.fileDialogs.size(), 2u);
  EXPECT_EQ(prompter.fileDialogs[1].folder, outside);
  EXPECT_EQ(prompter.fileDialogs[1].proposedName, "lesson.mvr");
}

TEST_F(FileCommandsTest, OpeningByTheFileDialogClearsThePanelsOfTheOldCurve) {
  const std::string path = PutUnit("b.mvr", "b", 2);
  Draw(1);  // selected: its equation is in the panel
  prompter.answers = {Answer::No};
  prompter.files = {path};
  rig.shiki.Clear();
  files().OpenFile();
  // Panels emptied; nothing in the new work is selected, so nothing is drawn into them.
  EXPECT_EQ(rig.shiki.Ops("Text"), Lines{});
  EXPECT_FALSE(rig.shiki.Ops("Fill").empty());
  EXPECT_EQ(work().Count(), 2);
}

// ---- Overwrite and save as ----

TEST_F(FileCommandsTest, WithoutCurvesThereIsNothingToSave) {
  files().OverWrite();
  EXPECT_EQ(files().SaveAs(), SaveResult::NotSaved);
  EXPECT_EQ(prompter.messages, (Lines{kNoData, kNoData}));
  EXPECT_TRUE(windows.unitNameAsked.empty());
  EXPECT_TRUE(prompter.fileDialogs.empty());
}

TEST_F(FileCommandsTest, FirstOverwriteAfterNewAsksNameAndFileThenWritesDirectly) {
  files().NewFile();
  Draw(2);
  windows.unitNames = {ToCp932("比例と反比例")};
  prompter.files = {library + "hanpi"};
  files().OverWrite();
  const std::string path = library + "hanpi.mvr";
  EXPECT_EQ(windows.unitNameAsked, Lines{ToCp932("新しい単元")});
  EXPECT_EQ(prompter.fileDialogs.size(), 1u);
  EXPECT_TRUE(prompter.messages.empty());  // the library was made for the save
  EXPECT_EQ(state().CurFileName, path);
  EXPECT_EQ(FromCp932(state().CurTitle), "比例と反比例");
  EXPECT_EQ(editor.ShownFile().filePath, path);
  EXPECT_FALSE(state().NewFileFlag);
  EXPECT_TRUE(work().DataSaved());
  Lines lines = work().Buffer().Lines();
  EXPECT_EQ(TempFolder::Read(path), JoinTextLines(lines));
  EXPECT_EQ(lines.front(), ToCp932("比例と反比例"));

  Draw(3);
  files().OverWrite();
  EXPECT_EQ(windows.unitNameAsked.size(), 1u);
  EXPECT_EQ(prompter.fileDialogs.size(), 1u);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(work().DataSaved());
  EXPECT_EQ(TempFolder::Read(path), JoinTextLines(work().Buffer().Lines()));
}

TEST_F(FileCommandsTest, ACancelledSaveAsLeavesOverwriteAskingAgain) {
  Draw(1);
  windows.unitNames = {std::nullopt, ToCp932("単元")};
  files().OverWrite();  // unit name cancelled
  files().OverWrite();  // save dialog cancelled
  EXPECT_EQ(windows.unitNameAsked.size(), 2u);
  EXPECT_EQ(prompter.fileDialogs.size(), 1u);
  EXPECT_TRUE(state().NewFileFlag);
  EXPECT_FALSE(work().DataSaved());
  EXPECT_EQ(editor.ShownFile().filePath, "Mevrolin.mvr");
}

struct SaveAsCase {
  const char* name;
  const char* typed;  // in the save dialog, inside the library
  const char* saved;  // the file written
  Lines messages;     // before any question
};

class SaveAsNameTest : public FileCommandsTest, public ::testing::WithParamInterface<SaveAsCase> {};

TEST_P(SaveAsNameTest, SavesUnderTheNameTheFileNameRuleGives) {
  const SaveAsCase& c = GetParam();
  Draw(1);
  windows.unitNames = {ToCp932("単元")};
  prompter.files = {library + c.typed};
  EXPECT_EQ(files().SaveAs(), SaveResult::Saved);
  EXPECT_EQ(prompter.messages, c.messages);
  EXPECT_EQ(state().CurFileName, library + c.saved);
  EXPECT_EQ(editor.ShownFile().filePath, library + c.saved);
  EXPECT_EQ(ReadUnitTitle(library + c.saved), ToCp932("単元"));
  // The saved work has a file of its own: the next overwrite writes it without a dialog.
  EXPECT_FALSE(state().NewFileFlag);
  Draw(2);
  files().OverWrite();
  EXPECT_EQ(TempFolder::Read(library + c.saved), JoinTextLines(work().Buffer().Lines()));
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveAsNameTest,
                         ::testing::Values(SaveAsCase{"NoExtension", "work", "work.mvr", {}},
                                           SaveAsCase{"Test", "work.TST", "work.TST", {}},
                                           SaveAsCase{"Txt",
                                                      "work.txt",
                                                      "work.txt",
                                                      {"txt拡張子はmvrまたはtstを使ってください"}},
                                           SaveAsCase{"NoShiftJisForm", "café", "café.mvr", {}},
                                           SaveAsCase{"WaveDash", "〜波〜.tst", "〜波〜.tst", {}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(FileCommandsTest, ReplacingAnExistingFileWritesTheTitleFirst) {
  const std::string path = PutUnit("old.mvr", "古い単元", 4);
  Draw(2);
  windows.unitNames = {ToCp932("新しい名前")};
  prompter.files = {path};
  prompter.answers = {Answer::Yes};
  EXPECT_EQ(files().SaveAs(), SaveResult::Saved);
  EXPECT_EQ(prompter.messages, Lines{path + kOverwriteTail});
  Work reread;
  ScriptedPrompter quiet;
  ASSERT_EQ(LoadLineFile(path, EquationForm::Standard, quiet, reread), 2);
  EXPECT_EQ(reread.Buffer().Lines().front(), ToCp932("新しい名前"));
}

// Erasing every curve keeps the work's title, in the labels and as the first line of the file
// text the unit contents window shows.
TEST_F(FileCommandsTest, ErasingEveryCurveKeepsTheTitleInTheFileText) {
  Draw(2);
  windows.unitNames = {ToCp932("授業の単元")};
  prompter.files = {library + "lesson.mvr"};
  ASSERT_EQ(files().SaveAs(), SaveResult::Saved);
  prompter.answers = {Answer::Yes};
  editor.EraseAll();
  ASSERT_EQ(work().Count(), 0);
  EXPECT_EQ(editor.ShownFile().title, ToCp932("授業の単元"));
  EXPECT_EQ(work().Buffer().Lines().front(), ToCp932("授業の単元"));
}

// Declining to replace a file writes nothing and keeps the work's own name, so the next
// overwrite does not replace the declined file unasked.
TEST_F(FileCommandsTest, DecliningToReplaceKeepsTheWorksOwnName) {
  const std::string mine = PutUnit("mine.mvr", "私の単元", 1);
  const std::string other = PutUnit("other.mvr", "他の単元", 3);
  const std::string otherBytes = TempFolder::Read(other);
  OpenUnit("mine.mvr");
  Draw(1);
  const Snapshot before = Take();
  windows.unitNames = {ToCp932("他の単元")};
  prompter.files = {other};
  prompter.answers = {Answer::No};
  EXPECT_EQ(files().SaveAs(), SaveResult::Declined);
  EXPECT_EQ(Take(), before);
  files().OverWrite();
  EXPECT_EQ(TempFolder::Read(other), otherBytes);
  EXPECT_EQ(ReadUnitTitle(mine), ToCp932("私の単元"));
  EXPECT_EQ(work().Count(), 2);
  Work reread;
  EXPECT_EQ(LoadLineFile(mine, EquationForm::Standard, prompter, reread), 2);
}

// ---- Failed writes ----

struct FailureCase {
  const char* name;
  std::function<std::string(const std::string& library)> target;  // prepares and names it
  bool overwrite;  // the failure happens on a plain overwrite of the open work's file
  bool fullDisk = false;
  int reason = 0;  // the system's reason the teacher is told
};

std::string OpenWorkFile(const std::string& library) { return library + "open.mvr"; }

class WriteFailureTest : public FileCommandsTest,
                         public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WriteFailureTest, EndsTheCommandLeavingTheWorkOpenUnsavedAndNamedAsItWas) {
  const FailureCase& c = GetParam();
  PutUnit("open.mvr", "開いた単元", 1);
  OpenUnit("open.mvr");
  Draw(1);
  const std::string target = c.target(library);
  const std::string openedBytes = TempFolder::Read(OpenWorkFile(library));
  const Snapshot before = Take();
  if (!c.overwrite) {
    windows.unitNames = {ToCp932("別名")};
    prompter.files = {target};
  }
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  if (c.fullDisk) {
    // A file system with no room left: a write beyond the first byte fails.
    struct rlimit tiny = old;
    tiny.rlim_cur = 1;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
  }
  SaveResult result = SaveResult::Failed;
  if (c.overwrite) {
    files().OverWrite();
  } else {
    result = files().SaveAs();
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, oldHandler);
  if (c.overwrite) {
    EXPECT_EQ(TempFolder::Read(OpenWorkFile(library)), openedBytes);
  } else {
    EXPECT_EQ(result, SaveResult::Failed);
  }
  EXPECT_EQ(prompter.messages, SaveFailedMessages(target, c.reason));
  EXPECT_EQ(Take(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteFailureTest,
    ::testing::Values(FailureCase{"MissingFolder",
                                  [](const std::string& l) { return l + "gone/x.mvr"; }, false,
                                  false, ENOENT},
                      FailureCase{"FolderIsAFile",
                                  [](const std::string& l) { return l + "open.mvr/x.mvr"; }, false,
                                  false, ENOTDIR},
                      FailureCase{"FullDisk", [](const std::string& l) { return l + "full.mvr"; },
                                  false, true, EFBIG},
                      FailureCase{"FullDiskOnOverwrite", OpenWorkFile, true, true, EFBIG},
                      FailureCase{"ReadOnlyFileOnOverwrite",
                                  [](const std::string& l) {
                                    fs::permissions(OpenWorkFile(l), fs::perms::owner_read);
                                    return OpenWorkFile(l);
                                  },
                                  true, false, EACCES}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FileCommandsTest, AMissingLibraryIsMadeByTheFirstSaveIntoIt) {
  ASSERT_FALSE(fs::exists(library));
  Draw(1);
  windows.unitNames = {ToCp932("最初の単元")};
  prompter.files = {library + "first.mvr"};
  EXPECT_EQ(files().SaveAs(), SaveResult::Saved);
  EXPECT_EQ(ReadUnitTitle(library + "first.mvr"), ToCp932("最初の単元"));
}

// ---- Practice ----

TEST_F(FileCommandsTest, PracticeRefusesAnEmptySetAndRedrawsTheWorkWhateverHappens) {
  Draw(1);
  int32_t strokesWhileUp = -1;
  windows.whileUnitWindowIsUp = [&] { strokesWhileUp = rig.FirstCurveStrokesOnPlane(); };
  PracticeSet empty;
  empty.unitName = ToCp932("題だけ");
  PracticeSet one;
  one.curves.resize(1);
  one.curves[0].X1 = one.curves[0].Y1 = 1;
  windows.unitsToPractise = {std::nullopt, empty, one};
  for (int i = 0; i < 3; ++i) {
    editor.PracticeCommand();
    EXPECT_EQ(strokesWhileUp, 0);
    EXPECT_GT(rig.FirstCurveStrokesOnPlane(), 0);
  }
  EXPECT_EQ(prompter.messages, Lines{"テストするデータがありません"});
  ASSERT_EQ(windows.practised.size(), 1u);
  EXPECT_EQ(windows.practised[0].curves.size(), 1u);
  EXPECT_FALSE(state().OpenForEdit);
}

// A test of the editor's own curves is captioned with the open work's title; it writes no
// record, so the title is only shown.
TEST_F(FileCommandsTest, ATestOfTheEditorsCurvesCarriesTheOpenWorksTitle) {
  PutUnit("mine.mvr", "私の単元", 2);
  OpenUnit("mine.mvr");
  editor.TestCommand();
  ASSERT_EQ(windows.practised.size(), 1u);
  EXPECT_TRUE(windows.practised[0].testMode);
  EXPECT_EQ(windows.practised[0].unitName, ToCp932("私の単元"));
}

// ---- The unit contents view ----

struct MemoCase {
  const char* name;
  std::function<void(Lines&)> edit;  // what the user does to the lines
  int32_t count;                     // curves after; -1: refused
  const char* message = nullptr;
  std::function<void(Lines&)> taken = nullptr;  // how the work's lines differ from the edit
  const char* title = nullptr;                  // the unit title after, when it changed
};

class UnitContentsTest : public FileCommandsTest, public ::testing::WithParamInterface<MemoCase> {};

TEST_P(UnitContentsTest, EditedLinesBecomeTheWorkOrAreRefusedWhole) {
  const MemoCase& c = GetParam();
  PutUnit("memo.mvr", "メモ", 3);
  OpenUnit("memo.mvr");
  const Snapshot before = Take();
  Lines lines = work().Buffer().Lines();
  c.edit(lines);
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  EXPECT_EQ(editor.TakeUnitContents(text), c.count >= 0);
  if (c.count < 0) {
    EXPECT_EQ(Take(), before);
    const std::string message =
        c.message != nullptr ? c.message : "ファイルの内容の 9 行目に整数でない値があります";
    EXPECT_EQ(prompter.messages, Lines{message});
    return;
  }
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(work().Count(), c.count);
  EXPECT_EQ(work().DataSaved(), lines == before.lines);
  if (c.taken) c.taken(lines);
  EXPECT_EQ(work().Buffer().Lines(), lines);
  EXPECT_EQ(editor.ShownFile().count, c.count);
  EXPECT_EQ(editor.ShownFile().title, c.title ? ToCp932(c.title) : before.shownTitle);
  // The list follows the curves, and a later change edits the right lines.
  ASSERT_EQ(work().ListItems().size(), static_cast<std::size_t>(c.count));
  if (c.count > 0) {
    editor.List().SelectAll();
    editor.List().DeleteSelected();
    EXPECT_EQ(work().Buffer().Lines(), Lines{lines.front()});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitContentsTest,
    ::testing::Values(
        MemoCase{"Unchanged", [](Lines&) {}, 3},
        MemoCase{"CurveDeleted", [](Lines& l) { l.erase(l.begin() + 6, l.begin() + 11); }, 2},
        MemoCase{"CurveAdded",
                 [](Lines& l) {
                   const Lines more{"16711680,16", "y = -4/x", "-2,2", "0,0", "-99,99"};
                   l.insert(l.end(), more.begin(), more.end());
                 },
                 4},
        MemoCase{"ColourAndWidthChanged", [](Lines& l) { l[1] = "65280,32"; }, 3},
        MemoCase{"AllCurvesRemoved", [](Lines& l) { l.resize(1); }, 0},
        MemoCase{"OneLineDeleted", [](Lines& l) { l.erase(l.begin() + 3); }, -1,
                 "データの構造が違います。"},
        MemoCase{"Emptied", [](Lines& l) { l.clear(); }, -1, "データの構造が違います。"},
        MemoCase{"LettersForANumber", [](Lines& l) { l[8] = "two,3"; }, -1, nullptr},
        MemoCase{"PointChangedRenewsItsEquation", [](Lines& l) { l[3] = "3,5"; }, 3, nullptr,
                 [](Lines& l) { l[2] = "y = 15/x"; }},
        MemoCase{"TitleEditedBecomesTheUnitTitle", [](Lines& l) { l[0] = ToCp932("新題"); }, 3,
                 nullptr, nullptr, "新題"},
        MemoCase{"TitleEmptiedIsRefused", [](Lines& l) { l[0].clear(); }, -1,
                 "単元名を入力してください"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
