// The editor driven the way the window drives it: pixel clicks on a 384 × 384 plane with
// 16 pixels a unit (origin at pixel (192, 192)), scripted answers, recording canvases.
#include "editor/editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "model/cp932.h"
#include "model/equation_text.h"
#include "storage/document_buffer.h"
#include "support/core/editor_rig.h"
#include "support/core/recording_canvas.h"
#include "support/core/scripted_prompter.h"

// Puts curves and lines in place without a redraw each, as opening a large file would.
class EditorTestAccess {
 public:
  static Work& WorkOf(Editor& editor) { return editor.work_; }
};

namespace {

class EditorTest : public ::testing::Test {
 protected:
  static int32_t Px(int32_t x) { return 192 + 16 * x; }
  static int32_t Py(int32_t y) { return 192 - 16 * y; }

  // A left click: pressed and released within the wait.
  void Click(int32_t x, int32_t y) {
    wait.duringWait = [this, x, y]() { editor.Mouse().MouseUp(MouseButton::Left, Px(x), Py(y)); };
    editor.Mouse().MouseDown(MouseButton::Left, Px(x), Py(y));
  }
  // A short right click.
  void RightClick(int32_t x, int32_t y) {
    wait.duringWait = [this, x, y]() { editor.Mouse().MouseUp(MouseButton::Right, Px(x), Py(y)); };
    editor.Mouse().MouseDown(MouseButton::Right, Px(x), Py(y));
  }
  // A right press held past the wait, moved and released elsewhere.
  void Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    editor.Mouse().MouseDown(MouseButton::Right, Px(fromX), Py(fromY));
    editor.Mouse().MouseMove(Px(toX), Py(toY));
    editor.Mouse().MouseUp(MouseButton::Right, Px(toX), Py(toY));
  }

  const Work& work() const { return editor.OpenWork(); }
  const TLineData& Line(int32_t i) const { return work().Curve(i); }
  int32_t Count() const { return work().Count(); }
  const std::vector<std::string>& Lines() const { return work().Buffer().Lines(); }

  // What the writer would produce for the editor's curves, after the title line.
  std::vector<std::string> ExpectedBuffer() const {
    std::vector<std::string> lines{Lines().front()};
    for (int32_t i = 0; i < Count(); ++i) {
      for (const auto& l : CurveLines(Line(i))) lines.push_back(l);
    }
    return lines;
  }

  EditorRig rig{""};
  RecordingCanvas& plane = rig.plane;
  RecordingCanvas& shiki = rig.shiki;
  RecordingCanvas& teisuu = rig.teisuu;
  RecordingCanvas& henikiX = rig.henikiX;
  RecordingCanvas& henikiY = rig.henikiY;
  RecordingCanvas& sample = rig.sample;
  RecordingCanvas& tableCanvas = rig.tableCanvas;
  RecordingCanvas& table2Canvas = rig.table2Canvas;
  TableGrid& grid = rig.grid;
  TableGrid& grid2 = rig.grid2;
  RigView& view = rig.view;
  RigWait& wait = rig.wait;
  RigClipboard& clipboard = rig.clipboard;
  RigWindows& windows = rig.windows;
  ScriptedPrompter& prompter = rig.prompter;
  PlaneSettings& settings = rig.settings;
  Editor& editor = rig.editor;
};

TEST_F(EditorTest, ClickInWholeModeRegistersTheCurveThroughThePoint) {
  plane.Clear();
  Click(2, 3);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Line(0).Shiki, "y = 6/x");
  EXPECT_EQ(work().ListItems(), std::vector<std::string>{"y = 6/x"});
  EXPECT_EQ(work().Selection(), std::vector<bool>{true});
  EXPECT_EQ(Line(0).HenikiStart, -99);
  EXPECT_EQ(Line(0).HenikiEnd, 99);
  EXPECT_FALSE(work().DataSaved());
  // Handles at (2, 3) and (-2, -3) on the last redraw.
  const auto rects = plane.Ops("Rectangle");
  auto has = [&rects](const std::string& corner) {
    for (const auto& r : rects) {
      if (r.rfind("Rectangle " + corner, 0) == 0) return true;
    }
    return false;
  };
  EXPECT_TRUE(has(std::to_string(Px(2) - 5) + "," + std::to_string(Py(3) - 5)));
  EXPECT_TRUE(has(std::to_string(Px(-2) - 5) + "," + std::to_string(Py(-3) - 5)));
  EXPECT_EQ(Lines(), ExpectedBuffer());
}

TEST_F(EditorTest, NegativeProductGivesNegativeConstant) {
  Click(-2, 3);
  EXPECT_EQ(Line(0).Shiki, "y = -6/x");
}

TEST_F(EditorTest, ClickOnAnAxisIsRefused) {
  Click(0, 3);
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"比例定数が０のグラフは描けません"});
}

struct DomainCase {
  const char* name;
  int32_t mode;
  std::vector<int32_t> domainClicks;
  int32_t start, end;
};

class DomainClicks : public EditorTest, public ::testing::WithParamInterface<DomainCase> {};

TEST_P(DomainClicks, FixTheDomainInEitherOrder) {
  const DomainCase& c = GetParam();
  editor.Options().SetLineMode(c.mode);
  Click(2, 3);
  EXPECT_EQ(Count(), 0);
  EXPECT_GT(editor.State().DrawState, 0);
  for (int32_t x : c.domainClicks) Click(x, 5);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Line(0).LMode, c.mode);
  EXPECT_EQ(Line(0).HenikiStart, c.start);
  EXPECT_EQ(Line(0).HenikiEnd, c.end);
  EXPECT_EQ(editor.State().DrawState, 0);
  EXPECT_EQ(Lines(), ExpectedBuffer());
}

INSTANTIATE_TEST_SUITE_P(Modes, DomainClicks,
                         ::testing::Values(DomainCase{"SegmentLargerSecond", 1, {1, 4}, 1, 4},
                                           DomainCase{"SegmentSmallerSecond", 1, {4, 1}, 1, 4},
                                           DomainCase{"SegmentAcrossZero", 1, {-3, 2}, -3, 2},
                                           DomainCase{"RightHalfLine", 2, {-1}, -1, 99},
                                           DomainCase{"LeftHalfLine", 3, {4}, -99, 4}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(EditorTest, SameXTwiceDropsThePendingSegment) {
  editor.Options().SetLineMode(kModeSegment);
  Click(2, 3);
  Click(4, 1);
  Click(4, -2);
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(editor.State().DrawState, 0);
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"変域が正しくありません"});
}

TEST_F(EditorTest, DomainEndAtZeroIsAskedAndNoKeepsWaiting) {
  editor.Options().SetLineMode(kModeRight);
  Click(2, 3);
  prompter.answers = {Answer::No};
  Click(0, 1);
  EXPECT_EQ(editor.State().DrawState, 1);
  EXPECT_EQ(Count(), 0);
  prompter.answers = {Answer::Yes};
  Click(0, 1);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Line(0).HenikiStart, 0);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{"変域の一方を０にしますか", "変域の一方を０にしますか"}));
}

TEST_F(EditorTest, HundredCurvesAcceptedAndTheNextRefused) {
  // 99 curves put in place directly (clicking each would redraw all of them every time).
  for (int32_t i = 0; i < kMaxLines - 1; ++i) {
    TLineData line = editor.Mouse().MakeLine({1 + i % 10, 1 + i / 10});
    line.Shiki = EquationText(line, EquationForm::Standard);
    EditorTestAccess::WorkOf(editor).Add(line, EquationForm::Standard);
  }
  Click(2, 3);
  EXPECT_EQ(Count(), kMaxLines);
  EXPECT_TRUE(prompter.messages.empty());
  Click(2, 3);
  EXPECT_EQ(Count(), kMaxLines);
  EXPECT_EQ(prompter.messages,
            std::vector<std::string>{"これ以上登録できません\r\n最大登録数は 100 本です"});
  EXPECT_EQ(work().ListItems().size(), 100u);
  EXPECT_EQ(work().Buffer().Size(), 501u);
}

TEST_F(EditorTest, ColoursFollowTheTableFromTheStart) {
  for (int32_t i = 0; i < 17; ++i) Click(1 + i % 5, 1 + i / 5);
  for (int32_t i = 0; i < 17; ++i) {
    EXPECT_EQ(Line(i).Color, ColorTable[static_cast<std::size_t>(i % 16)]) << i;
  }
}

TEST_F(EditorTest, DraggingHandleTwoRedefinesTheCurve) {
  Click(2, 3);
  Drag(-2, -3, 1, 1);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Line(0).Shiki, "y = 1/x");
  EXPECT_EQ(work().ListItems()[0], "y = 1/x");
  EXPECT_EQ(editor.State().DragMode, 0);
  EXPECT_EQ(Lines(), ExpectedBuffer());
}

TEST_F(EditorTest, DraggingHandleOneToAnAxisIsRefused) {
  Click(2, 3);
  Drag(2, 3, 0, 2);
  EXPECT_EQ(Line(0).Shiki, "y = 6/x");
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"曲線が描けません"});
}

TEST_F(EditorTest, CurveWithADomainRefusesToDrag) {
  editor.Options().SetLineMode(kModeSegment);
  Click(2, 3);
  Click(1, 0);
  Click(4, 0);
  Drag(2, 3, 1, 1);
  EXPECT_EQ(Line(0).X1, 2);
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"変域付きの曲線は、ドラッグできません"});
}

TEST_F(EditorTest, ShortRightClickOnAHandleMakesTheNextCurveReplaceIt) {
  Click(2, 3);
  Click(1, 1);
  Click(3, 3);
  RightClick(1, 1);  // handle 1 of curve 1
  EXPECT_EQ(work().Selection(), (std::vector<bool>{false, true, false}));
  Click(4, 1);
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Line(1).Shiki, "y = 4/x");
  EXPECT_EQ(Lines(), ExpectedBuffer());
  // A right press on empty plane targets nothing: the next curve is appended.
  RightClick(5, 5);
  Click(5, 1);
  EXPECT_EQ(Count(), 4);
}

TEST_F(EditorTest, TargetLeftOverAfterDeletingIsAddedNotWrittenPastTheList) {
  Click(2, 3);
  Click(1, 1);
  Click(3, 3);
  RightClick(3, 3);  // targets curve 2, which is then deleted
  editor.List().DeleteSelected();
  ASSERT_EQ(Count(), 2);
  Click(4, 1);
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(work().ListItems().size(), 3u);
  EXPECT_EQ(Lines(), ExpectedBuffer());
}

struct ShiftCase {
  const char* name;
  ShiftDirection direction;
  int32_t x1, y1;
  const char* message;  // empty when the move is made
  int32_t newX1, newY1;
};

class ArrowButtons : public EditorTest, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ArrowButtons, MoveTheDefiningPointUnlessItLandsOnAnAxis) {
  const ShiftCase& c = GetParam();
  Click(c.x1, c.y1);
  editor.Mouse().ShiftLine(c.direction);
  EXPECT_EQ(Line(0).X1, c.newX1);
  EXPECT_EQ(Line(0).Y1, c.newY1);
  if (*c.message != '\0') {
    EXPECT_EQ(prompter.messages, std::vector<std::string>{c.message});
  } else {
    EXPECT_TRUE(prompter.messages.empty());
  }
  EXPECT_EQ(Lines(), ExpectedBuffer());
}

INSTANTIATE_TEST_SUITE_P(Moves, ArrowButtons,
                         ::testing::Values(ShiftCase{"Up", ShiftDirection::Up, 2, 3, "", 2, 4},
                                           ShiftCase{"Down", ShiftDirection::Down, 2, 3, "", 2, 2},
                                           ShiftCase{"Left", ShiftDirection::Left, 2, 3, "", 1, 3},
                                           ShiftCase{"RightOntoTheAxis", ShiftDirection::Right, -1,
                                                     3, "曲線が描けません", -1, 3},
                                           ShiftCase{"DownOntoTheAxis", ShiftDirection::Down, 2, 1,
                                                     "曲線が描けません", 2, 1}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(EditorTest, ArrowButtonsNeedExactlyOneSelectedCurve) {
  editor.Mouse().ShiftLine(ShiftDirection::Up);
  Click(2, 3);
  Click(1, 1);
  editor.List().SelectAll();
  editor.Mouse().ShiftLine(ShiftDirection::Up);
  editor.List().CancelSelection();
  editor.Mouse().ShiftLine(ShiftDirection::Up);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{
                "対象となる式がありません", "選択は１つにしてください",
                "対象となる式を選んでください。\r\rグラフのハンドルを右クリックしてください"}));
}

TEST_F(EditorTest, DeletingItemsOneAndThreeKeepsTheOthersInOrder) {
  for (int32_t i = 1; i <= 5; ++i) Click(i, 1);
  EditorTestAccess::WorkOf(editor).SelectOnly(1);
  EditorTestAccess::WorkOf(editor).SetSelected(3, true);
  editor.List().DeleteSelected();
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Line(0).X1, 1);
  EXPECT_EQ(Line(1).X1, 3);
  EXPECT_EQ(Line(2).X1, 5);
  EXPECT_EQ(work().ListItems(), (std::vector<std::string>{"y = 1/x", "y = 3/x", "y = 5/x"}));
  EXPECT_EQ(Lines(), ExpectedBuffer());
  EXPECT_FALSE(work().DataSaved());
}

TEST_F(EditorTest, DeleteWhileASegmentWaitsRemovesNothing) {
  Click(2, 3);
  editor.Options().SetLineMode(kModeSegment);
  Click(1, 1);
  Click(3, 0);
  EXPECT_EQ(editor.State().DrawState, 2);
  editor.List().DeleteSelected();
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(editor.State().DrawState, 0);
}

TEST_F(EditorTest, EraseAllAsksOnlyWhenThereAreCurves) {
  editor.EraseAll();
  EXPECT_TRUE(prompter.messages.empty());
  Click(2, 3);
  prompter.answers = {Answer::No};
  editor.EraseAll();
  EXPECT_EQ(Count(), 1);
  editor.EraseAll();  // Yes
  EXPECT_EQ(Count(), 0);
  EXPECT_TRUE(work().ListItems().empty());
  EXPECT_EQ(work().Buffer().Size(), 1u);
  EXPECT_FALSE(work().NeedSave());  // an undoable change, but nothing to save
}

TEST_F(EditorTest, RecolouringSelectedCurvesMovesTheNextAutomaticColour) {
  for (int32_t i = 1; i <= 3; ++i) Click(i, 1);
  EditorTestAccess::WorkOf(editor).SelectOnly(0);
  prompter.colors = {0x123456};
  editor.List().ChangeColorOfSelected();
  EXPECT_EQ(Line(0).Color, 0x123456);
  EXPECT_EQ(Lines(), ExpectedBuffer());
  Click(4, 1);
  EXPECT_EQ(Line(3).Color, ColorTable[3]);
  // Choosing white or cancelling changes nothing.
  prompter.colors = {kAutoColor, std::nullopt};
  editor.List().ChangeColorOfSelected();
  editor.List().ChangeColorOfSelected();
  EXPECT_EQ(Line(3).Color, ColorTable[3]);
}

TEST_F(EditorTest, ColourAndWidthChangesRewriteOnlyTheFirstLineOfEachCurve) {
  Click(2, 3);
  Click(1, 1);
  editor.Options().ChooseForm(EquationForm::General);  // the stored texts stay "y = 6/x", "y = 1/x"
  struct Change {
    const char* name;
    std::function<void()> apply;
  };
  const std::vector<Change> changes = {
      {"colour",
       [this] {
         prompter.colors = {0x00FF00};
         editor.List().ChangeColorOfSelected();
       }},
      {"width", [this] { editor.List().ChangeWidthOfSelected(3); }},
      {"fixed colour", [this] {
         prompter.colors = {0x0000FF};
         editor.List().SetFixedColor();
       }}};
  for (const Change& change : changes) {
    editor.List().SelectAll();
    const auto before = Lines();
    change.apply();
    const auto& after = Lines();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t k = 0; k < after.size(); ++k) {
      const bool styleLine = k % 5 == 1;
      if (!styleLine) {
        EXPECT_EQ(after[k], before[k]) << change.name << " line " << k;
      }
    }
    EXPECT_EQ(after[2], "y = 6/x") << change.name;
    EXPECT_EQ(after[1], CurveLines(Line(0))[0]) << change.name;
    EXPECT_EQ(after[6], CurveLines(Line(1))[0]) << change.name;
  }
}

TEST_F(EditorTest, RightClickBelowTheLastRowDoesNothing) {
  Click(2, 3);
  EXPECT_FALSE(editor.List().RightPress(1));
  EXPECT_FALSE(editor.List().RightPress(-1));
  EXPECT_TRUE(editor.List().RightPress(0));
}

TEST_F(EditorTest, PanelsShowTheHighestSelectedCurve) {
  Click(1, 1);
  Click(2, 1);
  Click(3, 1);
  Click(4, 1);
  EditorTestAccess::WorkOf(editor).SelectOnly(1);
  EditorTestAccess::WorkOf(editor).SetSelected(2, true);
  EditorTestAccess::WorkOf(editor).SetSelected(3, true);
  teisuu.Clear();
  editor.Display().DispAllLine();
  EXPECT_EQ(work().FirstSelected(), 1);
  const auto texts = teisuu.Ops("Text");
  ASSERT_FALSE(texts.empty());
  EXPECT_NE(texts.back().find(" 4 "), std::string::npos) << texts.back();
}

TEST_F(EditorTest, DoubleClickMakesOneCurveAndServesAsAPendingDomainClick) {
  auto doubleClick = [this](int32_t x, int32_t y) {
    Click(x, y);
    wait.duringWait = [this, x, y]() { editor.Mouse().MouseUp(MouseButton::Left, Px(x), Py(y)); };
    editor.Mouse().DoubleClick(MouseButton::Left, Px(x), Py(y));
  };
  doubleClick(2, 3);
  EXPECT_EQ(Count(), 1);
  editor.Options().SetLineMode(kModeRight);
  Click(1, 1);
  doubleClick(-2, 4);  // the first press fixes the domain, the second is idle again
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Line(1).HenikiStart, -2);
  editor.Options().SetLineMode(kModeSegment);
  Click(1, 2);
  Click(-3, 0);
  wait.duringWait = [this]() { editor.Mouse().MouseUp(MouseButton::Left, Px(4), Py(0)); };
  editor.Mouse().DoubleClick(MouseButton::Left, Px(4), Py(0));  // a second press awaited: it counts
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Line(2).HenikiStart, -3);
  EXPECT_EQ(Line(2).HenikiEnd, 4);
}

TEST_F(EditorTest, PasteWithoutPictureChangesNothing) {
  editor.List().PasteBitmap();
  EXPECT_FALSE(editor.State().BitmapPasted);
  EXPECT_EQ(prompter.messages.size(), 1u);
  clipboard.hasPicture = true;
  editor.List().PasteBitmap();
  EXPECT_TRUE(editor.State().BitmapPasted);
  prompter.answers = {Answer::Yes};
  editor.List().ClearBitmap();
  EXPECT_FALSE(editor.State().BitmapPasted);
}

TEST_F(EditorTest, NewCurvesGoBeforeLinesKeptFromALargerFile) {
  // A file with one curve more than the editor reads: its last five lines stay in the buffer.
  Click(1, 1);
  Click(2, 1);
  TLineData surplus = editor.Mouse().MakeLine({7, 7});
  surplus.Shiki = "y = 49/x";
  EditorTestAccess::WorkOf(editor).BufferForSave().AppendCurve(surplus);
  EditorTestAccess::WorkOf(editor).SelectOnly(0);
  editor.List().DeleteSelected();
  Click(3, 1);
  Drag(3, 1, 4, 1);  // replaces the new curve's lines, not the kept ones
  std::vector<std::string> expected = ExpectedBuffer();
  for (const auto& l : CurveLines(surplus)) expected.push_back(l);
  EXPECT_EQ(Lines(), expected);
}

TEST_F(EditorTest, SampleButtonCyclesTheSegmentKinds) {
  editor.Options().SetLineMode(kModeSegment);
  EXPECT_EQ(FromCp932(editor.Texts().edtHeniki), " ≦ ≦");
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    editor.Options().SampleButtonClick();
    seen.push_back(FromCp932(editor.Texts().edtHeniki));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{" ≦ ＜", " ＜ ≦", " ＜ ＜", " ≦ ≦"}));
  editor.Options().SetLineMode(kModeLeft);
  editor.Options().SampleButtonClick();
  EXPECT_EQ(FromCp932(editor.Texts().edtHeniki), "  ＜ ");
  EXPECT_FALSE(editor.State().CurIncStart);
  EXPECT_FALSE(editor.State().CurIncEnd);
  editor.Options().SetLineMode(kModeWhole);  // resets both kinds
  EXPECT_EQ(editor.State().SenbunKind, 0);
  EXPECT_EQ(editor.State().HanchokusenKind, 0);
}

TEST_F(EditorTest, FormSwitchRebuildsEveryEquationButNotTheDocumentLines) {
  Click(-2, 3);
  Click(4, 3);
  const auto before = Lines();
  EXPECT_TRUE(editor.Options().ChooseForm(EquationForm::General));
  EXPECT_EQ(work().ListItems(), (std::vector<std::string>{"xy = -6", "xy = 12"}));
  EXPECT_EQ(Line(0).Shiki, "xy = -6");
  EXPECT_EQ(Lines(), before);
  EXPECT_TRUE(editor.Options().ChooseForm(EquationForm::Standard));
  EXPECT_EQ(work().ListItems(), (std::vector<std::string>{"y = -6/x", "y = 12/x"}));
  // With the equations hidden the form buttons do nothing.
  editor.Options().OnShikiClicked(false);
  EXPECT_FALSE(editor.Options().ChooseForm(EquationForm::General));
  EXPECT_EQ(work().ListItems()[0], "y = -6/x");
}

TEST_F(EditorTest, TestIsRefusedAsAWholeForOneCurveWithADomain) {
  editor.TestCommand();
  Click(2, 3);
  editor.Options().SetLineMode(kModeRight);
  Click(1, 1);
  Click(2, 0);
  editor.TestCommand();
  EXPECT_TRUE(windows.practised.empty());
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{"テストするデータがありません",
                                                         "変域があるものはテストできません"}));
  editor.List().DeleteSelected();  // the half-line was selected
  editor.TestCommand();
  EXPECT_EQ(windows.practised.size(), 1u);
  EXPECT_TRUE(editor.State().TestMode);
  EXPECT_TRUE(windows.practised.back().testMode);
  ASSERT_EQ(windows.practised.back().curves.size(), 1u);
  EXPECT_EQ(windows.practised.back().curves[0].Shiki, "y = 6/x");
}

TEST_F(EditorTest, PracticeRefusesAUnitWithADomain) {
  PracticeSet unit;
  unit.curves.resize(2);
  for (TLineData& curve : unit.curves) curve.X1 = curve.Y1 = 1;  // y = 1/x, off the axes
  unit.curves[1].LMode = kModeSegment;
  windows.unitsToPractise = {unit};
  editor.PracticeCommand();
  EXPECT_TRUE(windows.practised.empty());
  EXPECT_FALSE(editor.State().TestMode);
  unit.curves[1].LMode = kModeWhole;
  windows.unitsToPractise = {unit};
  editor.PracticeCommand();
  EXPECT_EQ(windows.practised.size(), 1u);
  // A unit window closed without OK starts nothing.
  windows.unitsToPractise = {std::nullopt};
  editor.PracticeCommand();
  EXPECT_EQ(windows.practised.size(), 1u);
}

TLineData WholeCurve(int32_t x1, int32_t y1) {
  TLineData line;
  line.X1 = x1;
  line.Y1 = y1;
  line.HenikiStart = kOpenLeft;
  line.HenikiEnd = kOpenRight;
  line.Shiki = EquationText(line, EquationForm::Standard);
  return line;
}

struct PoseCase {
  const char* name;
  std::vector<TLineData> curves;
  int32_t practiceSpacing;  // pixels a unit of the practice plane
  const char* message;      // nullptr: the practice window is shown
};

class PoseTest : public EditorTest, public ::testing::WithParamInterface<PoseCase> {};

TEST_P(PoseTest, PracticeIsRefusedBeforeTheWindowOpensWhenAQuestionCannotBePosed) {
  const PoseCase& c = GetParam();
  PlaneSettings practicePlane;
  practicePlane.DX = practicePlane.DY = practicePlane.AcceptedDX = practicePlane.AcceptedDY =
      c.practiceSpacing;
  editor.UsePracticePlaneSettings(practicePlane);
  PracticeSet unit;
  unit.curves = c.curves;
  windows.unitsToPractise = {unit};
  plane.Clear();
  editor.PracticeCommand();
  EXPECT_EQ(windows.practised.size(), c.message == nullptr ? 1u : 0u);
  const std::vector<std::string> messages =
      c.message == nullptr ? std::vector<std::string>{} : std::vector<std::string>{c.message};
  EXPECT_EQ(prompter.messages, messages);
  // The editor's own work is drawn again either way.
  EXPECT_EQ(plane.Ops("Fill").back(), "Fill 0,0,384,384 #FFFFFF");
}

// The editor's plane, and so the practice plane, is 384 pixels wide.
INSTANTIATE_TEST_SUITE_P(
    Sets, PoseTest,
    ::testing::Values(
        PoseCase{"Answerable", {WholeCurve(2, 3), WholeCurve(12, -12)}, 16, nullptr},
        // A title-only or unreadable test file.
        PoseCase{"NoQuestions", {}, 16, "テストするデータがありません"},
        PoseCase{"ThirteenOnTwelveUnitsEachWay",
                 {WholeCurve(2, 3), WholeCurve(13, 1)},
                 16,
                 "(2)の関数のグラフは練習の座標面の格子点を通らないので、答えられません"},
        // Six units each way on the practice plane, whatever the editor's plane shows.
        PoseCase{"SevenOnTheCoarserPracticePlane",
                 {WholeCurve(1, 7)},
                 32,
                 "(1)の関数のグラフは練習の座標面の格子点を通らないので、答えられません"},
        PoseCase{"EightOnTheCoarserPracticePlane", {WholeCurve(2, 4)}, 32, nullptr},
        // Constant 0: a click on an axis would be taken for right.
        PoseCase{"APointOnAnAxis",
                 {WholeCurve(2, 3), WholeCurve(0, 5)},
                 16,
                 "(2)の関数は比例定数が0なので、答えられません"},
        PoseCase{"AProductWrappingToZero",
                 {WholeCurve(65536, 65536)},
                 16,
                 "(1)の関数は比例定数が0なので、答えられません"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(EditorTest, TheEditorsWorkIsDrawnAgainAfterATest) {
  Click(2, 3);
  plane.Clear();
  editor.TestCommand();
  EXPECT_EQ(windows.practised.size(), 1u);
  EXPECT_EQ(plane.Ops("Fill").back(), "Fill 0,0,384,384 #FFFFFF");
  EXPECT_FALSE(plane.Ops("Rectangle").empty());  // the curve's handles
}

TEST_F(EditorTest, PanelColoursFollowTheColourOption) {
  Click(2, 3);
  henikiX.Clear();
  editor.Options().OnRanColorClicked(false);
  EXPECT_EQ(henikiX.Ops("Fill").front().substr(henikiX.Ops("Fill").front().size() - 7), "#FFFFFF");
  for (const auto& t : henikiX.Ops("Text")) EXPECT_NE(t.find("#000000]"), std::string::npos) << t;
  editor.Options().OnRanColorClicked(true);
  EXPECT_EQ(editor.State().PanelBackColor, 0x808000);
}

TEST_F(EditorTest, UncheckingTheRangeOptionEmptiesTheRangePanelForGood) {
  Click(2, 3);
  editor.Options().OnDispHenikiClicked(false);
  henikiY.Clear();
  teisuu.Clear();
  Click(1, 1);
  EXPECT_TRUE(henikiY.Ops("Text").empty());
  EXPECT_TRUE(teisuu.Ops("Text").empty());
}

struct LineKindCase {
  const char* name;
  LineKind chosen;
  std::vector<std::pair<int32_t, int32_t>> clicks;  // the curve's point, then its domain
  int32_t henikiKind;
  bool incStart, incEnd;
  const char* modeText;
};

class LineKindOk : public EditorTest, public ::testing::WithParamInterface<LineKindCase> {};

TEST_P(LineKindOk, GivesTheNextCurveItsModeWidthAndEnds) {
  const LineKindCase& c = GetParam();
  Click(1, 1);  // drawn before: keeps its own settings
  plane.Clear();
  view.lineModeChanges = 0;
  editor.Options().SetLineKind(c.chosen);
  EXPECT_EQ(plane.Ops("Resize").size(), 1u) << "one full redraw";
  EXPECT_EQ(view.lineModeChanges, 1);
  EXPECT_EQ(FromCp932(editor.Texts().edtLineMode), c.modeText);
  for (const auto& [x, y] : c.clicks) Click(x, y);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Line(0).LWidth, 1);
  EXPECT_EQ(Line(0).LMode, kModeWhole);
  EXPECT_EQ(Line(1).LMode, c.chosen.LineMode);
  EXPECT_EQ(Line(1).LWidth, c.chosen.LineWidth);
  EXPECT_EQ(Line(1).HenikiKind, c.henikiKind);
  EXPECT_EQ(Line(1).IncStart, c.incStart);
  EXPECT_EQ(Line(1).IncEnd, c.incEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LineKindOk,
    ::testing::Values(
        LineKindCase{"RightExcluded", {2, 1, 0, 1}, {{2, 3}, {1, 0}}, 1, false, false, "右側"},
        LineKindCase{"LeftIncluded", {3, 2, 3, 0}, {{2, 3}, {4, 0}}, 0, true, true, "左側"},
        LineKindCase{
            "SegmentOpenStart", {1, 3, 2, 1}, {{2, 3}, {1, 0}, {4, 0}}, 2, false, true, "中央"},
        LineKindCase{"WholeWidthThree", {0, 3, 0, 0}, {{2, 3}}, 0, true, true, "全域"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

}  // namespace

namespace {

// A curve with a domain, registered before a whole curve, is still drawn with its domain when
// the whole curve's click redraws the plane: its end circles are there.
struct KeptDomainCase {
  const char* name;
  int32_t mode;
  std::vector<int32_t> domainClicks;
  std::vector<int32_t> endsAtX;  // end circles of the curve through (2, 3)
};

void PrintTo(const KeptDomainCase& c, std::ostream* os) { *os << c.name; }

class DomainCurveAfterAWholeOne : public EditorTest,
                                  public ::testing::WithParamInterface<KeptDomainCase> {};

TEST_P(DomainCurveAfterAWholeOne, KeepsItsDomainOnTheNextRedraw) {
  const KeptDomainCase& c = GetParam();
  editor.Options().SetLineMode(c.mode);
  Click(2, 3);
  for (int32_t x : c.domainClicks) Click(x, 5);
  ASSERT_EQ(Count(), 1);
  editor.Options().SetLineMode(kModeWhole);
  plane.Clear();
  Click(-1, 5);
  ASSERT_EQ(Count(), 2);
  EXPECT_FALSE(editor.State().PreviewWhole);
  const auto ellipses = plane.Ops("Ellipse");
  for (int32_t x : c.endsAtX) {
    const std::string box =
        "Ellipse " + std::to_string(Px(x) - 5) + "," + std::to_string(192 - 16 * 6 / x - 5) + ",";
    EXPECT_TRUE(std::any_of(ellipses.begin(), ellipses.end(),
                            [&box](const std::string& op) { return op.rfind(box, 0) == 0; }))
        << "no end circle at x = " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, DomainCurveAfterAWholeOne,
                         ::testing::Values(KeptDomainCase{"RightHalfLine", kModeRight, {1}, {1}},
                                           KeptDomainCase{"LeftHalfLine", kModeLeft, {3}, {3}},
                                           KeptDomainCase{"Segment", kModeSegment, {1, 3}, {1, 3}}),
                         [](const auto& row) { return std::string(row.param.name); });

// However a curve waiting for its domain is given up, its preview leaves the plane with it: the
// plane is drawn again from the curves it has.
struct AbandonCase {
  const char* name;
  void (*abandon)(Editor&);
};

class AbandonedCurve : public EditorTest, public ::testing::WithParamInterface<AbandonCase> {};

TEST_P(AbandonedCurve, TakesItsPreviewWithIt) {
  editor.Options().SetLineMode(kModeRight);
  Click(2, 3);
  ASSERT_TRUE(editor.State().PreviewWhole);
  plane.Clear();
  GetParam().abandon(editor);
  EXPECT_EQ(editor.State().DrawState, 0);
  EXPECT_FALSE(editor.State().PreviewWhole);
  EXPECT_FALSE(plane.Ops("Fill").empty()) << "the plane was not drawn again";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AbandonedCurve,
    ::testing::Values(
        // The pointer left the plane.
        AbandonCase{"PointerLeaves", [](Editor& e) { e.Mouse().FormMouseMove(); }},
        // The line-kind menu item sets the mode in force again, here 右側.
        AbandonCase{"LineKindMenu", [](Editor& e) { e.Options().SetLineMode(kModeRight); }}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

namespace {

TEST_F(EditorTest, HiddenEquationsStayHiddenWhenPanelsAreRefreshed) {
  Click(2, 3);
  editor.Options().OnShikiClicked(false);
  shiki.Clear();
  editor.Options().OnRanColorClicked(false);
  prompter.colors = {0x00FF00};
  editor.List().ChangeColorOfSelected();
  EXPECT_TRUE(shiki.Ops("Text").empty());
  EXPECT_TRUE(shiki.Ops("LineTo").empty());
}

struct HistoryCase {
  const char* name;
  void (*change)(EditorRig&);
};

class EditorHistory : public EditorTest, public ::testing::WithParamInterface<HistoryCase> {};

// From a saved work of three curves, the middle one selected: undone, the change gives back
// the curves, list texts, selection and lines as saved; redone, the change; a new change after
// an undo leaves nothing to redo.
TEST_P(EditorHistory, UndoRedoAndANewChange) {
  auto take = [this] {
    return std::tuple(work().Curves(), work().ListItems(), work().Selection(), Lines(),
                      editor.ShownFile().title);
  };
  editor.FormShow();
  for (int32_t x = 1; x <= 3; ++x) Click(x, 1);
  EditorTestAccess::WorkOf(editor).SelectOnly(1);
  EditorTestAccess::WorkOf(editor).MarkSaved();
  const auto before = take();
  GetParam().change(rig);
  const auto after = take();
  ASSERT_NE(after, before);
  editor.Undo();
  EXPECT_EQ(take(), before);
  EXPECT_TRUE(work().DataSaved());
  EXPECT_EQ(editor.ShownFile().count, 3);
  editor.Redo();
  EXPECT_EQ(take(), after);
  EXPECT_FALSE(work().DataSaved());
  editor.Undo();
  editor.Options().SetLineMode(kModeWhole);
  Click(5, 5);
  EXPECT_FALSE(work().CanRedo());
  EXPECT_EQ(Count(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, EditorHistory,
    ::testing::Values(
        HistoryCase{"AddWhole", [](EditorRig& r) { r.Click(2, 3); }},
        HistoryCase{"AddSegment",
                    [](EditorRig& r) {
                      r.editor.Options().SetLineMode(kModeSegment);
                      r.Click(2, 3);
                      r.Click(4, 1);
                      r.Click(1, 1);
                    }},
        HistoryCase{"Delete", [](EditorRig& r) { r.editor.List().DeleteSelected(); }},
        HistoryCase{"EraseAll", [](EditorRig& r) { r.editor.EraseAll(); }},
        HistoryCase{"ArrowMove",
                    [](EditorRig& r) { r.editor.Mouse().ShiftLine(ShiftDirection::Up); }},
        HistoryCase{"Recolour",
                    [](EditorRig& r) {
                      r.prompter.colors = {0x123456};
                      r.editor.List().ChangeColorOfSelected();
                    }},
        HistoryCase{"Width", [](EditorRig& r) { r.editor.List().ChangeWidthOfSelected(3); }},
        HistoryCase{"FixedColourIsOneStep",
                    [](EditorRig& r) {
                      r.prompter.colors = {0x00FF00};
                      r.editor.List().SetFixedColor();
                    }},
        HistoryCase{"HandleDrag",
                    [](EditorRig& r) {
                      r.editor.Mouse().MouseDown(MouseButton::Right, 192 + 32, 192 - 16);
                      r.editor.Mouse().MouseMove(192 + 16, 192 - 48);
                      r.editor.Mouse().MouseUp(MouseButton::Right, 192 + 16, 192 - 48);
                    }},
        HistoryCase{"UnitContentsEdit",
                    [](EditorRig& r) {
                      std::string text;
                      for (const std::string& line : r.editor.OpenWork().Buffer().Lines())
                        text += (line == "2,1" ? "2,5" : line) + "\n";
                      r.editor.TakeUnitContents(text);
                    }},
        HistoryCase{"UnitTitleEdit",
                    [](EditorRig& r) {
                      std::string text = "edited";
                      const auto& lines = r.editor.OpenWork().Buffer().Lines();
                      for (std::size_t i = 1; i < lines.size(); ++i) text += "\n" + lines[i];
                      r.editor.TakeUnitContents(text + "\n");
                    }}),
    [](const auto& row) { return std::string(row.param.name); });

// 訂正 with nothing selected leaves nothing to undo: the next undo takes the curve added before.
TEST_F(EditorTest, DeleteWithNothingSelectedIsNoStepToUndo) {
  Click(2, 3);
  EditorTestAccess::WorkOf(editor).SetSelected(0, false);
  editor.List().DeleteSelected();
  editor.Undo();
  EXPECT_EQ(Count(), 0);
}

TEST_F(EditorTest, UndoWaitsUntilTheCurveBeingPlacedIsGivenUp) {
  Click(2, 3);
  editor.Options().SetLineMode(kModeSegment);
  Click(1, 1);
  editor.Undo();
  EXPECT_EQ(Count(), 1);
  editor.Mouse().FormMouseMove();
  editor.Undo();
  EXPECT_EQ(Count(), 0);
}

}  // namespace
