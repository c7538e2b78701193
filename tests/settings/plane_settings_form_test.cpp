// The coordinate-settings logic over an in-memory store, a largest plane of 384 pixels and a
// counted redraw.
#include "settings/plane_settings_form.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

#include "model/cp932.h"
#include "support/core/scripted_prompter.h"

namespace {

// Values by name as the platform store keeps them; every call is logged.
class FakeSettingsStore : public SettingsStore {
 public:
  std::map<std::string, std::variant<std::string, int32_t>> values;
  std::vector<std::string> log;  // "read Name" / "write Name"
  bool saveFails = false;

  std::string ReadSettingStr(const std::string& name, const std::string& defaultValue) override {
    log.push_back("read " + name);
    const auto found = values.find(name);
    if (found == values.end()) {
      values[name] = defaultValue;
      return defaultValue;
    }
    if (const auto* text = std::get_if<std::string>(&found->second)) return *text;
    return std::to_string(std::get<int32_t>(found->second));
  }
  int32_t ReadSettingInt(const std::string& name, int32_t defaultValue) override {
    log.push_back("read " + name);
    const auto found = values.find(name);
    if (found == values.end()) {
      values[name] = defaultValue;
      return defaultValue;
    }
    if (const auto* number = std::get_if<int32_t>(&found->second)) return *number;
    return defaultValue;
  }
  void WriteSettingStr(const std::string& name, const std::string& value) override {
    log.push_back("write " + name);
    values[name] = value;
  }
  void WriteSettingInt(const std::string& name, int32_t value) override {
    log.push_back("write " + name);
    values[name] = value;
  }
  void WriteSettingBool(const std::string& name, bool value) override {
    WriteSettingInt(name, value ? 1 : 0);
  }
  bool HasSetting(const std::string& name) override { return values.count(name) != 0; }
  bool SaveSettings() override { return !saveFails; }

  std::vector<std::string> Writes() const {
    std::vector<std::string> writes;
    for (const auto& entry : log) {
      if (entry.rfind("write ", 0) == 0) writes.push_back(entry.substr(6));
    }
    return writes;
  }
};

class PlaneSettingsFormTest : public ::testing::Test {
 protected:
  // A form over what the store holds now, as at a start of the program.
  PlaneSettingsForm& Start(int32_t maxCoodSize = 384) {
    settings = PlaneSettings{};
    form.emplace(settings, store, prompter, maxCoodSize, [this] { ++redraws; });
    form->FormShow();
    store.log.clear();
    return *form;
  }

  FakeSettingsStore store;
  ScriptedPrompter prompter;
  PlaneSettings settings;
  int32_t redraws = 0;
  std::optional<PlaneSettingsForm> form;
};

std::string Cp(const char* utf8) { return ToCp932(utf8); }

const CoodPreset& Preset(const std::string& name) {
  for (const CoodPreset& p : kCoodPresets) {
    if (p.name == name) return p;
  }
  throw std::invalid_argument(name);
}

TEST_F(PlaneSettingsFormTest, FirstStartShowsTheDefaultsAndWritesThemInLoadOrder) {
  settings = PlaneSettings{};
  PlaneSettingsForm f(settings, store, prompter, 384, [] {});
  const CoodFields& shown = f.Fields();
  EXPECT_EQ(shown.edits,
            (std::array<std::string, 8>{"-99", "-99", "16", "16", "-99", "-99", "99", "99"}));
  EXPECT_EQ(shown.spins, (std::array<int32_t, 4>{5, 5, 12, 1}));
  EXPECT_EQ(shown.checks, (std::array<bool, 4>{true, true, true, false}));
  EXPECT_EQ(store.log, (std::vector<std::string>{
                           "read SizeX", "read SizeY", "read ScaleX", "read ScaleY", "read StartX",
                           "read StartY", "read ScaleNumberX", "read ScaleNumberY", "read EndX",
                           "read EndY", "read FontSizeV", "read YohakuV"}));
  std::vector<std::string> keys;
  for (const auto& [key, value] : store.values) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"EndX", "EndY", "FontSizeV", "ScaleNumberX",
                                            "ScaleNumberY", "ScaleX", "ScaleY", "SizeX", "SizeY",
                                            "StartX", "StartY", "YohakuV"}));
  EXPECT_EQ(std::get<int32_t>(store.values["FontSizeV"]), 12);
  EXPECT_EQ(std::get<std::string>(store.values["SizeX"]), "-99");
  EXPECT_TRUE(prompter.messages.empty());
}

struct StoredCase {
  const char* name;
  std::map<std::string, std::variant<std::string, int32_t>> stored;
  CoodFields expected;                     // only the entries named in `check` are compared
  std::vector<std::pair<int, int>> check;  // (0 edit / 1 spin / 2 check box, index)
};

CoodFields With(std::initializer_list<std::pair<CoodEdit, std::string>> edits,
                std::initializer_list<std::pair<CoodSpin, int32_t>> spins = {},
                std::initializer_list<std::pair<CoodCheck, bool>> checks = {}) {
  CoodFields f;
  for (const auto& [e, t] : edits) f.edits[static_cast<std::size_t>(e)] = t;
  for (const auto& [s, v] : spins) f.spins[static_cast<std::size_t>(s)] = v;
  for (const auto& [c, v] : checks) f.checks[static_cast<std::size_t>(c)] = v;
  return f;
}

class StoredValues : public PlaneSettingsFormTest,
                     public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValues, AreCheckedWhenLoaded) {
  const StoredCase& c = GetParam();
  store.values = c.stored;
  const CoodFields& shown = Start().Fields();
  for (const auto& [kind, i] : c.check) {
    const auto k = static_cast<std::size_t>(i);
    if (kind == 0) {
      EXPECT_EQ(shown.edits[k], c.expected.edits[k]) << "edit " << i;
    } else if (kind == 1) {
      EXPECT_EQ(shown.spins[k], c.expected.spins[k]) << "spin " << i;
    } else {
      EXPECT_EQ(shown.checks[k], c.expected.checks[k]) << "check " << i;
    }
  }
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Load, StoredValues,
    ::testing::Values(
        StoredCase{"SizesInRangeAndMaximum",
                   {{"SizeX", "256"}, {"SizeY", "0"}},
                   With({{CoodEdit::SizeX, "256"}, {CoodEdit::SizeY, "0"}}),
                   {{0, 0}, {0, 1}}},
        StoredCase{"SizeFromALargerScreen",
                   {{"SizeX", "600"}, {"SizeY", "159"}},
                   With({{CoodEdit::SizeX, "-99"}, {CoodEdit::SizeY, "-99"}}),
                   {{0, 0}, {0, 1}}},
        StoredCase{"SizeThatIsNoNumber",
                   {{"SizeX", "abc"}, {"SizeY", ""}},
                   With({{CoodEdit::SizeX, "-99"}, {CoodEdit::SizeY, "-99"}}),
                   {{0, 0}, {0, 1}}},
        StoredCase{"SpacingsOutOfRange",
                   {{"ScaleX", "2"}, {"ScaleY", "33"}},
                   With({{CoodEdit::DX, "16"}, {CoodEdit::DY, "16"}}),
                   {{0, 2}, {0, 3}}},
        StoredCase{"SpacingsInRange",
                   {{"ScaleX", "4"}, {"ScaleY", "32"}},
                   With({{CoodEdit::DX, "4"}, {CoodEdit::DY, "32"}}),
                   {{0, 2}, {0, 3}}},
        StoredCase{"StartsAndEndsThatAreNoIntegers",
                   {{"StartX", Cp("－２")}, {"StartY", "-"}, {"EndX", "1e3"}, {"EndY", "x"}},
                   With({{CoodEdit::StartX, "-99"},
                         {CoodEdit::StartY, "-99"},
                         {CoodEdit::EndX, "99"},
                         {CoodEdit::EndY, "99"}}),
                   {{0, 4}, {0, 5}, {0, 6}, {0, 7}}},
        StoredCase{"StartsAndEnds",
                   {{"StartX", "-2"}, {"StartY", "0"}, {"EndX", "3"}, {"EndY", "-40"}},
                   With({{CoodEdit::StartX, "-2"},
                         {CoodEdit::StartY, "0"},
                         {CoodEdit::EndX, "3"},
                         {CoodEdit::EndY, "-40"}}),
                   {{0, 4}, {0, 5}, {0, 6}, {0, 7}}},
        StoredCase{"SpinsOutsideTheirLimits",
                   {{"ScaleNumberX", 21}, {"ScaleNumberY", -1}, {"FontSizeV", 7}, {"YohakuV", 6}},
                   With({}, {{CoodSpin::ScaleNumberX, 5},
                             {CoodSpin::ScaleNumberY, 5},
                             {CoodSpin::FontSize, 12},
                             {CoodSpin::Yohaku, 1}}),
                   {{1, 0}, {1, 1}, {1, 2}, {1, 3}}},
        StoredCase{"KeptFontSizeAndMarginWin",
                   {{"FontSizeV", 10}, {"YohakuV", 2}, {"FontSize", 16}, {"Yohaku", 4}},
                   With({}, {{CoodSpin::FontSize, 16}, {CoodSpin::Yohaku, 4}}),
                   {{1, 2}, {1, 3}}},
        StoredCase{
            "FontSizeAndMarginFallBackToTheFirstStartNames",
            {{"FontSizeV", 10}, {"YohakuV", 2}, {"ScaleNumberX", 0}},
            With({},
                 {{CoodSpin::ScaleNumberX, 0}, {CoodSpin::FontSize, 10}, {CoodSpin::Yohaku, 2}}),
            {{1, 0}, {1, 2}, {1, 3}}},
        StoredCase{"CheckBoxesComeBack",
                   {{"chkXY", 0}, {"chkMemori", 0}},
                   With({}, {}, {{CoodCheck::XY, false}, {CoodCheck::Memori, false}}),
                   {{2, 0}, {2, 1}}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(PlaneSettingsFormTest, LoadedValuesReachThePlane) {
  store.values = {{"SizeX", "256"}, {"ScaleX", "8"}, {"ScaleY", "4"}, {"StartY", "-2"},
                  {"EndX", "3"},    {"chkXY", 0},    {"FontSize", 20}};
  Start();
  EXPECT_EQ(settings.edtSizeX, "256");
  EXPECT_EQ(settings.edtSizeY, "-99");
  EXPECT_EQ(settings.DX, 8);
  EXPECT_EQ(settings.AcceptedDY, 4);
  EXPECT_EQ(settings.edtStartY, "-2");
  EXPECT_EQ(settings.edtEndX, "3");
  EXPECT_FALSE(settings.chkXY);
  EXPECT_EQ(settings.spnFontSize, 20);
}

// One Test after some typing: the message, the texts afterwards and whether it redrew.
struct TestCase {
  const char* name;
  std::vector<std::pair<CoodEdit, std::string>> typed;  // UTF-8
  std::string message;                                  // empty: accepted
  std::vector<std::pair<CoodEdit, std::string>> after;  // texts after the Test, UTF-8
};

class TestButton : public PlaneSettingsFormTest, public ::testing::WithParamInterface<TestCase> {};

TEST_P(TestButton, ChecksEveryEntry) {
  const TestCase& c = GetParam();
  store.values = {{"SizeX", "256"}, {"SizeY", "320"}, {"StartX", "-3"}};
  Start();
  for (const auto& [edit, text] : c.typed) form->TextChanged(edit, Cp(text.c_str()));
  EXPECT_TRUE(prompter.messages.empty()) << "nothing is reported while typing";
  const bool passed = form->Test();
  EXPECT_EQ(passed, c.message.empty());
  EXPECT_EQ(redraws, passed ? 1 : 0);
  EXPECT_EQ(form->CoodChanged(), !passed);
  if (c.message.empty()) {
    EXPECT_TRUE(prompter.messages.empty());
  } else {
    EXPECT_EQ(prompter.messages, std::vector<std::string>{c.message});
  }
  for (const auto& [edit, text] : c.after) {
    EXPECT_EQ(FromCp932(form->Fields().Text(edit)), text) << static_cast<int>(edit);
  }
}

constexpr const char* kSizeRange = "値の範囲は160以上384以下です";
constexpr const char* kSpacingRange = "値の範囲は4以上32以下です";

INSTANTIATE_TEST_SUITE_P(
    Entries, TestButton,
    ::testing::Values(
        TestCase{"LargestSizeByMinus99", {{CoodEdit::SizeX, "-99"}}, "", {}},
        TestCase{"SmallestAndLargestSizes",
                 {{CoodEdit::SizeX, "160"}, {CoodEdit::SizeY, "384"}},
                 "",
                 {}},
        TestCase{"WidthTooLargeRestoresBothSizes",
                 {{CoodEdit::SizeX, "400"}, {CoodEdit::SizeY, "160"}},
                 kSizeRange,
                 {{CoodEdit::SizeX, "256"}, {CoodEdit::SizeY, "320"}}},
        TestCase{"HeightTooSmall", {{CoodEdit::SizeY, "159"}}, kSizeRange, {}},
        TestCase{
            "SpacingTwoStaysAsTyped", {{CoodEdit::DX, "2"}}, kSpacingRange, {{CoodEdit::DX, "2"}}},
        TestCase{"SpacingThirtyThree", {{CoodEdit::DY, "33"}}, kSpacingRange, {}},
        TestCase{"EmptySpacingIsZero", {{CoodEdit::DY, ""}}, kSpacingRange, {}},
        TestCase{"SpacingsAtTheLimits", {{CoodEdit::DX, "4"}, {CoodEdit::DY, "32"}}, "", {}},
        TestCase{"LettersInTheWidth",
                 {{CoodEdit::SizeX, "abc"}},
                 "ｻｲｽﾞ（X座標）には整数を入力してください",
                 {{CoodEdit::SizeX, "256"}}},
        TestCase{"EmptyWidth",
                 {{CoodEdit::SizeX, ""}},
                 "ｻｲｽﾞ（X座標）には整数を入力してください",
                 {{CoodEdit::SizeX, "256"}}},
        TestCase{"ExponentInTheHeight",
                 {{CoodEdit::SizeY, "1e3"}},
                 "ｻｲｽﾞ（Ｙ座標）には整数を入力してください",
                 {{CoodEdit::SizeY, "320"}}},
        TestCase{"HeightBeyond32Bits",
                 {{CoodEdit::SizeY, "4294967296"}},
                 "ｻｲｽﾞ（Ｙ座標）には整数を入力してください",
                 {}},
        TestCase{"LettersInTheSpacingStay",
                 {{CoodEdit::DY, "8x"}},
                 "目盛（Ｙ座標）には整数を入力してください",
                 {{CoodEdit::DY, "8x"}}},
        TestCase{"FullWidthStartIsRefusedAndRestored",
                 {{CoodEdit::StartX, "－２"}},
                 "目盛開始（X座標）には整数を入力してください",
                 {{CoodEdit::StartX, "-3"}}},
        TestCase{"LoneMinusInTheStart",
                 {{CoodEdit::StartY, "-"}},
                 "目盛開始（Ｙ座標）には整数を入力してください",
                 {{CoodEdit::StartY, "-99"}}},
        TestCase{"EmptyEnd",
                 {{CoodEdit::EndX, ""}},
                 "目盛終了（X座標）には整数を入力してください",
                 {{CoodEdit::EndX, "99"}}},
        TestCase{"FullWidthDigitsInTheEnd",
                 {{CoodEdit::EndY, "１２"}},
                 "目盛終了（Ｙ座標）には整数を入力してください",
                 {}},
        TestCase{"StartsAndEndsThatAreIntegers",
                 {{CoodEdit::StartX, "59"},
                  {CoodEdit::StartY, " -2 "},
                  {CoodEdit::EndX, "+3"},
                  {CoodEdit::EndY, "-99"}},
                 "",
                 {{CoodEdit::StartY, " -2 "}}},
        TestCase{"SizesAreCheckedBeforeSpacings",
                 {{CoodEdit::SizeX, "1000"}, {CoodEdit::DX, "2"}},
                 kSizeRange,
                 {{CoodEdit::DX, "2"}}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(PlaneSettingsFormTest, ThePlaneKeepsItsLastUsableValuesWhileTyping) {
  Start();
  struct Step {
    CoodEdit edit;
    const char* text;
  } steps[] = {{CoodEdit::SizeX, "3"},
               {CoodEdit::SizeX, "38"},
               {CoodEdit::DY, "-"},
               {CoodEdit::StartX, "-"},
               {CoodEdit::EndY, "1e"}};
  for (const Step& s : steps) form->TextChanged(s.edit, s.text);
  EXPECT_EQ(settings.edtSizeX, "-99");
  EXPECT_EQ(settings.DY, 16);
  EXPECT_EQ(settings.edtStartX, "-99");
  EXPECT_EQ(settings.edtEndY, "99");
  // Usable texts are taken at once; the next redraw, whatever causes it, shows them.
  form->TextChanged(CoodEdit::SizeX, "384");
  form->TextChanged(CoodEdit::StartX, "-2");
  form->TextChanged(CoodEdit::DX, "8");
  EXPECT_EQ(settings.edtSizeX, "384");
  EXPECT_EQ(settings.edtStartX, "-2");
  EXPECT_EQ(settings.DX, 8);
  // A spacing out of range is kept as typed but never drawn with.
  form->TextChanged(CoodEdit::DX, "2");
  EXPECT_EQ(DrawingSpacing(settings.DX, settings.AcceptedDX), 16);
  EXPECT_EQ(redraws, 0);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PlaneSettingsFormTest, EveryControlSetsCoodChangedAndOnlyAPassedTestClearsIt) {
  Start();
  for (int32_t e = 0; e < kCoodEditCount; ++e) {
    form->FormShow();
    form->TextChanged(static_cast<CoodEdit>(e), form->Fields().edits[static_cast<std::size_t>(e)]);
    EXPECT_TRUE(form->CoodChanged()) << "edit " << e;
  }
  for (int32_t s = 0; s < kCoodSpinCount; ++s) {
    form->FormShow();
    form->SpinChanged(static_cast<CoodSpin>(s), 10);
    EXPECT_TRUE(form->CoodChanged()) << "spin " << s;
  }
  form->TextChanged(CoodEdit::DX, "2");
  EXPECT_FALSE(form->Test());
  EXPECT_TRUE(form->CoodChanged());
  form->TextChanged(CoodEdit::DX, "8");
  EXPECT_TRUE(form->Test());
  EXPECT_FALSE(form->CoodChanged());
}

TEST_F(PlaneSettingsFormTest, PresetButtonsPutTheirValueAndAllButTheEndsRedraw) {
  store.values = {{"EndX", "3"}, {"EndY", "4"}};
  Start();
  for (const CoodPreset& p : kCoodPresets) {
    redraws = 0;
    form->PresetClick(p);
    EXPECT_EQ(form->Fields().Text(p.edit), p.value) << p.name;
    EXPECT_EQ(redraws, p.test ? 1 : 0) << p.name;
    EXPECT_EQ(form->CoodChanged(), !p.test) << p.name;
  }
  // The end buttons' value is taken all the same and shown at the next redraw.
  EXPECT_EQ(settings.edtEndX, "99");
  EXPECT_EQ(settings.edtEndY, "99");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PlaneSettingsFormTest, CheckBoxesTestAndRedrawButKeepOnlyRecordsItsState) {
  Start();
  form->CheckClick(CoodCheck::Memori, false);
  form->CheckClick(CoodCheck::Zahyou, false);
  form->CheckClick(CoodCheck::XY, false);
  EXPECT_EQ(redraws, 3);
  EXPECT_FALSE(settings.chkMemori);
  EXPECT_FALSE(settings.chkZahyou);
  EXPECT_FALSE(settings.chkXY);
  form->CheckClick(CoodCheck::Keep, true);
  EXPECT_EQ(redraws, 3);
  EXPECT_TRUE(form->Fields().Checked(CoodCheck::Keep));
}

TEST_F(PlaneSettingsFormTest, CancelRestoresSizesIntervalsAndChecksButNotTheSpacings) {
  Start();
  form->PresetClick(Preset("btnChuX"));
  form->PresetClick(Preset("btnShouY"));
  form->PresetClick(Preset("btnSCM"));
  form->PresetClick(Preset("btnStartYm2"));
  form->SpinChanged(CoodSpin::ScaleNumberX, 2);
  form->SpinChanged(CoodSpin::FontSize, 20);
  form->CheckClick(CoodCheck::Memori, false);
  redraws = 0;
  form->Cancel();
  const CoodFields& shown = form->Fields();
  EXPECT_EQ(shown.Text(CoodEdit::SizeX), "-99");
  EXPECT_EQ(shown.Text(CoodEdit::SizeY), "-99");
  EXPECT_EQ(shown.Text(CoodEdit::StartY), "-99");
  EXPECT_EQ(shown.Value(CoodSpin::ScaleNumberX), 5);
  EXPECT_EQ(shown.Value(CoodSpin::FontSize), 12);
  EXPECT_TRUE(shown.Checked(CoodCheck::Memori));
  EXPECT_EQ(shown.Text(CoodEdit::DX), "8");
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(settings.edtSizeX, "-99");
  EXPECT_EQ(settings.spnScaleNumberX, 5);
  EXPECT_TRUE(settings.chkMemori);
  EXPECT_EQ(settings.AcceptedDX, 8);
}

TEST_F(PlaneSettingsFormTest, OkWithoutKeepAppliesButStoresNothing) {
  Start();
  form->TextChanged(CoodEdit::SizeX, "256");
  EXPECT_TRUE(form->Ok());
  EXPECT_EQ(redraws, 1);
  EXPECT_TRUE(store.Writes().empty());
  EXPECT_EQ(settings.edtSizeX, "256");
  // Unchanged since shown: nothing to test, nothing drawn.
  form->FormShow();
  EXPECT_TRUE(form->Ok());
  EXPECT_EQ(redraws, 1);
}

TEST_F(PlaneSettingsFormTest, OkWithKeepWritesEverySettingInOrder) {
  Start();
  form->CheckClick(CoodCheck::Keep, true);
  EXPECT_TRUE(form->Ok());
  EXPECT_EQ(store.Writes(),
            (std::vector<std::string>{"ScaleX", "ScaleY", "chkXY", "chkMemori", "ScaleNumberX",
                                      "ScaleNumberY", "SizeX", "SizeY", "StartX", "StartY", "EndX",
                                      "EndY", "FontSize", "Yohaku"}));
  EXPECT_EQ(std::get<int32_t>(store.values["chkXY"]), 1);
}

TEST_F(PlaneSettingsFormTest, WhatOkKeepsComesBackAtTheNextStart) {
  Start();
  form->PresetClick(Preset("btnChuX"));
  form->PresetClick(Preset("btnShouY"));
  form->PresetClick(Preset("btnSCS"));
  form->PresetClick(Preset("btnSYM"));
  form->PresetClick(Preset("btnStartXm2"));
  form->TextChanged(CoodEdit::EndY, "3");
  form->SpinChanged(CoodSpin::ScaleNumberY, 2);
  form->SpinChanged(CoodSpin::FontSize, 16);
  form->SpinChanged(CoodSpin::Yohaku, 3);
  form->CheckClick(CoodCheck::XY, false);
  form->CheckClick(CoodCheck::Memori, false);
  form->CheckClick(CoodCheck::Keep, true);
  ASSERT_TRUE(form->Ok());
  CoodFields kept = form->Fields();
  kept.checks[static_cast<std::size_t>(CoodCheck::Keep)] = false;  // not kept itself

  Start();
  EXPECT_EQ(form->Fields(), kept);
  EXPECT_EQ(settings.AcceptedDX, 4);
  EXPECT_EQ(settings.spnFontSize, 16);
}

TEST_F(PlaneSettingsFormTest, OkNeverKeepsWhatTestRefused) {
  Start();
  form->CheckClick(CoodCheck::Keep, true);
  form->TextChanged(CoodEdit::DY, "2");
  EXPECT_FALSE(form->Ok());
  EXPECT_TRUE(store.Writes().empty());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{kSpacingRange});
  // Cancel leaves the refused spacing behind; OK after the next show tests it again even
  // though nothing changed since.
  form->Cancel();
  form->FormShow();
  EXPECT_FALSE(form->Ok());
  EXPECT_TRUE(store.Writes().empty());
  EXPECT_EQ(settings.AcceptedDY, 16);
}

TEST_F(PlaneSettingsFormTest, AStoreThatCannotBeWrittenIsReportedAndTheSettingsStayInForce) {
  Start();
  store.saveFails = true;
  form->PresetClick(Preset("btnChuX"));
  form->CheckClick(CoodCheck::Keep, true);
  EXPECT_TRUE(form->Ok());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"座標面の設定を保存できませんでした\r\n"
                                                        "この設定は今回だけ使われます"});
  EXPECT_EQ(settings.edtSizeX, "256");
}

TEST_F(PlaneSettingsFormTest, TheSizeMessageNamesTheLargestPlaneOfThisScreen) {
  Start(544);
  form->TextChanged(CoodEdit::SizeY, "545");
  EXPECT_FALSE(form->Test());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"値の範囲は160以上544以下です"});
  EXPECT_EQ(form->Fields().Text(CoodEdit::SizeY), "-99");
}

}  // namespace
