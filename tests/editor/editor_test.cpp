// The editor driven the way the window drives it: pixel clicks on a 384 × 384 plane with
// 16 pixels a unit (origin at pixel (192, 192)), scripted answers, recording canvases.
#include "app/editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/cp932.h"
#include "storage/document_buffer.h"
#include "support/core/recording_canvas.h"
#include "support/core/scripted_prompter.h"

namespace {

class FakeView : public EditorView {
 public:
  int32_t cursor = 0;
  int32_t menusShown = 0;
  bool clipboardHasPicture = false;
  std::function<void()> duringWait;  // runs inside the press-and-hold wait

  void PlanePlaced(int32_t, int32_t, int32_t, int32_t) override {}
  void ImagesChanged() override {}
  void SetPlaneCursor(int32_t number) override { cursor = number; }
  void ListChanged() override {}
  void FileInfoChanged() override {}
  void TextsChanged() override {}
  void ProcessEvents(int32_t) override {
    if (duringWait) {
      auto hook = std::move(duringWait);
      duringWait = nullptr;
      hook();
    }
  }
  void ShowListMenu(int32_t, int32_t) override { ++menusShown; }
  void ShowPractice() override { ++practiceShown; }
  bool ChooseUnitForPractice() override { return unitChosen && (fillPractice(), true); }
  int32_t practiceShown = 0;
  bool unitChosen = false;
  std::function<void()> fillPractice = [] {};
  std::string NewWorkTitle() override { return ToCp932("新しい単元"); }
  bool PasteClipboardPicture(Canvas&) override { return clipboardHasPicture; }
};

class EditorTest : public ::testing::Test {
 protected:
  EditorTest()
      : grid(tableCanvas),
        grid2(table2Canvas),
        editor(EditorSurfaces{plane, shiki, teisuu, henikiX, henikiY, sample, grid, grid2}, view,
               prompter, settings) {
    editor.state.MaxCoodSize = 384;
    editor.FormShow();
    prompter.messages.clear();
  }

  static int32_t Px(int32_t x) { return 192 + 16 * x; }
  static int32_t Py(int32_t y) { return 192 - 16 * y; }

  // A left click: pressed and released within the wait.
  void Click(int32_t x, int32_t y) {
    view.duringWait = [this, x, y]() { editor.MouseUp(MouseButton::Left, Px(x), Py(y)); };
    editor.MouseDown(MouseButton::Left, Px(x), Py(y));
  }
  // A short right click.
  void RightClick(int32_t x, int32_t y) {
    view.duringWait = [this, x, y]() { editor.MouseUp(MouseButton::Right, Px(x), Py(y)); };
    editor.MouseDown(MouseButton::Right, Px(x), Py(y));
  }
  // A right press held past the wait, moved and released elsewhere.
  void Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    editor.MouseDown(MouseButton::Right, Px(fromX), Py(fromY));
    editor.MouseMove(Px(toX), Py(toY));
    editor.MouseUp(MouseButton::Right, Px(toX), Py(toY));
  }

  const TLineData& Line(int32_t i) const {
    return editor.state.LineData[static_cast<std::size_t>(i)];
  }

  // What the writer would produce for the editor's curves, after the title line.
  std::vector<std::string> ExpectedBuffer() const {
    std::vector<std::string> lines{editor.buffer.Lines().front()};
    for (int32_t i = 0; i < editor.state.LineCount; ++i) {
      for (const auto& l : CurveLines(Line(i))) lines.push_back(l);
    }
    return lines;
  }

  RecordingCanvas plane{384, 384}, shiki{161, 65}, teisuu{161, 65}, henikiX{347, 73},
      henikiY{347, 73}, sample{40, 24}, tableCanvas{367, 65}, table2Canvas{367, 65};
  TableGrid grid;
  TableGrid grid2;
  FakeView view;
  ScriptedPrompter prompter;
  PlaneSettings settings;
  Editor editor;
};

TEST_F(EditorTest, ClickInWholeModeRegistersTheCurveThroughThePoint) {
  plane.Clear();
  Click(2, 3);
  ASSERT_EQ(editor.state.LineCount, 1);
  EXPECT_EQ(Line(0).Shiki, "y = 6/x");
  EXPECT_EQ(editor.listItems, std::vector<std::string>{"y = 6/x"});
  EXPECT_EQ(editor.listSelected, std::vector<bool>{true});
  EXPECT_EQ(Line(0).HenikiStart, -99);
  EXPECT_EQ(Line(0).HenikiEnd, 99);
  EXPECT_FALSE(editor.state.DataSaved);
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
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
}

TEST_F(EditorTest, NegativeProductGivesNegativeConstant) {
  Click(-2, 3);
  EXPECT_EQ(Line(0).Shiki, "y = -6/x");
}

TEST_F(EditorTest, ClickOnAnAxisIsRefused) {
  Click(0, 3);
  EXPECT_EQ(editor.state.LineCount, 0);
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
  editor.SetLineMode(c.mode);
  Click(2, 3);
  EXPECT_EQ(editor.state.LineCount, 0);
  EXPECT_GT(editor.state.DrawState, 0);
  for (int32_t x : c.domainClicks) Click(x, 5);
  ASSERT_EQ(editor.state.LineCount, 1);
  EXPECT_EQ(Line(0).LMode, c.mode);
  EXPECT_EQ(Line(0).HenikiStart, c.start);
  EXPECT_EQ(Line(0).HenikiEnd, c.end);
  EXPECT_EQ(editor.state.DrawState, 0);
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
}

INSTANTIATE_TEST_SUITE_P(Modes, DomainClicks,
                         ::testing::Values(DomainCase{"SegmentLargerSecond", 1, {1, 4}, 1, 4},
                                           DomainCase{"SegmentSmallerSecond", 1, {4, 1}, 1, 4},
                                           DomainCase{"SegmentAcrossZero", 1, {-3, 2}, -3, 2},
                                           DomainCase{"RightHalfLine", 2, {-1}, -1, 99},
                                           DomainCase{"LeftHalfLine", 3, {4}, -99, 4}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(EditorTest, SameXTwiceDropsThePendingSegment) {
  editor.SetLineMode(kModeSegment);
  Click(2, 3);
  Click(4, 1);
  Click(4, -2);
  EXPECT_EQ(editor.state.LineCount, 0);
  EXPECT_EQ(editor.state.DrawState, 0);
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"変域が正しくありません"});
}

TEST_F(EditorTest, DomainEndAtZeroIsAskedAndNoKeepsWaiting) {
  editor.SetLineMode(kModeRight);
  Click(2, 3);
  prompter.answers = {Answer::No};
  Click(0, 1);
  EXPECT_EQ(editor.state.DrawState, 1);
  EXPECT_EQ(editor.state.LineCount, 0);
  prompter.answers = {Answer::Yes};
  Click(0, 1);
  ASSERT_EQ(editor.state.LineCount, 1);
  EXPECT_EQ(Line(0).HenikiStart, 0);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{"変域の一方を０にしますか", "変域の一方を０にしますか"}));
}

TEST_F(EditorTest, HundredCurvesAcceptedAndTheNextRefused) {
  // 99 curves put in place directly (clicking each would redraw all of them every time).
  for (int32_t i = 0; i < kMaxLines - 1; ++i) {
    TLineData line = editor.MakeLine({1 + i % 10, 1 + i / 10});
    line.Shiki = EquationText(line, EquationForm::Standard);
    editor.state.LineData[static_cast<std::size_t>(i)] = line;
    editor.buffer.AppendCurve(line);
    editor.listItems.push_back(line.Shiki);
    editor.listSelected.push_back(false);
    editor.state.LineCount = i + 1;
  }
  Click(2, 3);
  EXPECT_EQ(editor.state.LineCount, kMaxLines);
  EXPECT_TRUE(prompter.messages.empty());
  Click(2, 3);
  EXPECT_EQ(editor.state.LineCount, kMaxLines);
  EXPECT_EQ(prompter.messages,
            std::vector<std::string>{"これ以上登録できません\r\n最大登録数は 100 本です"});
  EXPECT_EQ(editor.listItems.size(), 100u);
  EXPECT_EQ(editor.buffer.Size(), 501u);
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
  ASSERT_EQ(editor.state.LineCount, 1);
  EXPECT_EQ(Line(0).Shiki, "y = 1/x");
  EXPECT_EQ(editor.listItems[0], "y = 1/x");
  EXPECT_EQ(editor.state.DragMode, 0);
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
}

TEST_F(EditorTest, DraggingHandleOneToAnAxisIsRefused) {
  Click(2, 3);
  Drag(2, 3, 0, 2);
  EXPECT_EQ(Line(0).Shiki, "y = 6/x");
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"曲線が描けません"});
}

TEST_F(EditorTest, CurveWithADomainRefusesToDrag) {
  editor.SetLineMode(kModeSegment);
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
  EXPECT_EQ(editor.listSelected, (std::vector<bool>{false, true, false}));
  Click(4, 1);
  ASSERT_EQ(editor.state.LineCount, 3);
  EXPECT_EQ(Line(1).Shiki, "y = 4/x");
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
  // A right press on empty plane targets nothing: the next curve is appended.
  RightClick(5, 5);
  Click(5, 1);
  EXPECT_EQ(editor.state.LineCount, 4);
}

TEST_F(EditorTest, TargetLeftOverAfterDeletingIsAddedNotWrittenPastTheList) {
  Click(2, 3);
  Click(1, 1);
  Click(3, 3);
  RightClick(3, 3);  // targets curve 2, which is then deleted
  editor.DeleteSelected();
  ASSERT_EQ(editor.state.LineCount, 2);
  Click(4, 1);
  EXPECT_EQ(editor.state.LineCount, 3);
  EXPECT_EQ(editor.listItems.size(), 3u);
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
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
  editor.ShiftLine(c.direction);
  EXPECT_EQ(Line(0).X1, c.newX1);
  EXPECT_EQ(Line(0).Y1, c.newY1);
  if (*c.message != '\0') {
    EXPECT_EQ(prompter.messages, std::vector<std::string>{c.message});
  } else {
    EXPECT_TRUE(prompter.messages.empty());
  }
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
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
  editor.ShiftLine(ShiftDirection::Up);
  Click(2, 3);
  Click(1, 1);
  editor.SelectAll();
  editor.ShiftLine(ShiftDirection::Up);
  editor.CancelSelection();
  editor.ShiftLine(ShiftDirection::Up);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{
                "対象となる式がありません", "選択は１つにしてください",
                "対象となる式を選んでください。\r\rグラフのハンドルを右クリックしてください"}));
}

TEST_F(EditorTest, DeletingItemsOneAndThreeKeepsTheOthersInOrder) {
  for (int32_t i = 1; i <= 5; ++i) Click(i, 1);
  editor.SelectOnly(1);
  editor.listSelected[3] = true;
  editor.DeleteSelected();
  ASSERT_EQ(editor.state.LineCount, 3);
  EXPECT_EQ(Line(0).X1, 1);
  EXPECT_EQ(Line(1).X1, 3);
  EXPECT_EQ(Line(2).X1, 5);
  EXPECT_EQ(editor.listItems, (std::vector<std::string>{"y = 1/x", "y = 3/x", "y = 5/x"}));
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
  EXPECT_FALSE(editor.state.DataSaved);
}

TEST_F(EditorTest, DeleteWhileASegmentWaitsRemovesNothing) {
  Click(2, 3);
  editor.SetLineMode(kModeSegment);
  Click(1, 1);
  Click(3, 0);
  EXPECT_EQ(editor.state.DrawState, 2);
  editor.DeleteSelected();
  EXPECT_EQ(editor.state.LineCount, 1);
  EXPECT_EQ(editor.state.DrawState, 0);
}

TEST_F(EditorTest, EraseAllAsksOnlyWhenThereAreCurves) {
  editor.EraseAll();
  EXPECT_TRUE(prompter.messages.empty());
  Click(2, 3);
  prompter.answers = {Answer::No};
  editor.EraseAll();
  EXPECT_EQ(editor.state.LineCount, 1);
  editor.EraseAll();  // Yes
  EXPECT_EQ(editor.state.LineCount, 0);
  EXPECT_TRUE(editor.listItems.empty());
  EXPECT_EQ(editor.buffer.Size(), 1u);
  EXPECT_TRUE(editor.state.DataSaved);
}

TEST_F(EditorTest, RecolouringSelectedCurvesMovesTheNextAutomaticColour) {
  for (int32_t i = 1; i <= 3; ++i) Click(i, 1);
  editor.SelectOnly(0);
  prompter.colors = {0x123456};
  editor.ChangeColorOfSelected();
  EXPECT_EQ(Line(0).Color, 0x123456);
  EXPECT_EQ(editor.buffer.Lines(), ExpectedBuffer());
  Click(4, 1);
  EXPECT_EQ(Line(3).Color, ColorTable[3]);
  // Choosing white or cancelling changes nothing.
  prompter.colors = {kAutoColor, std::nullopt};
  editor.ChangeColorOfSelected();
  editor.ChangeColorOfSelected();
  EXPECT_EQ(Line(3).Color, ColorTable[3]);
}

TEST_F(EditorTest, ColourAndWidthChangesRewriteOnlyTheFirstLineOfEachCurve) {
  Click(2, 3);
  Click(1, 1);
  editor.ChooseForm(EquationForm::General);  // the stored texts stay "y = 6/x", "y = 1/x"
  struct Change {
    const char* name;
    std::function<void()> apply;
  };
  const std::vector<Change> changes = {{"colour",
                                        [this] {
                                          prompter.colors = {0x00FF00};
                                          editor.ChangeColorOfSelected();
                                        }},
                                       {"width", [this] { editor.ChangeWidthOfSelected(3); }},
                                       {"fixed colour", [this] {
                                          prompter.colors = {0x0000FF};
                                          editor.SetFixedColor();
                                        }}};
  for (const Change& change : changes) {
    editor.SelectAll();
    const auto before = editor.buffer.Lines();
    change.apply();
    const auto& after = editor.buffer.Lines();
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
  editor.ListMouseDown(MouseButton::Right, false, 1, 0, 0, 0);
  EXPECT_EQ(view.menusShown, 0);
  editor.ListMouseDown(MouseButton::Right, false, 0, 0, 0, 0);
  EXPECT_EQ(view.menusShown, 1);
}

TEST_F(EditorTest, PanelsShowTheHighestSelectedCurve) {
  Click(1, 1);
  Click(2, 1);
  Click(3, 1);
  Click(4, 1);
  editor.SelectOnly(1);
  editor.listSelected[2] = true;
  editor.listSelected[3] = true;
  teisuu.Clear();
  editor.DispAllLine();
  EXPECT_EQ(editor.FirstSelected(), 1);
  const auto texts = teisuu.Ops("Text");
  ASSERT_FALSE(texts.empty());
  EXPECT_NE(texts.back().find(" 4 "), std::string::npos) << texts.back();
}

TEST_F(EditorTest, DoubleClickMakesOneCurveAndServesAsAPendingDomainClick) {
  auto doubleClick = [this](int32_t x, int32_t y) {
    Click(x, y);
    view.duringWait = [this, x, y]() { editor.MouseUp(MouseButton::Left, Px(x), Py(y)); };
    editor.DoubleClick(MouseButton::Left, Px(x), Py(y));
  };
  doubleClick(2, 3);
  EXPECT_EQ(editor.state.LineCount, 1);
  editor.SetLineMode(kModeRight);
  Click(1, 1);
  doubleClick(-2, 4);  // the first press fixes the domain, the second is idle again
  ASSERT_EQ(editor.state.LineCount, 2);
  EXPECT_EQ(Line(1).HenikiStart, -2);
  editor.SetLineMode(kModeSegment);
  Click(1, 2);
  Click(-3, 0);
  view.duringWait = [this]() { editor.MouseUp(MouseButton::Left, Px(4), Py(0)); };
  editor.DoubleClick(MouseButton::Left, Px(4), Py(0));  // a second press awaited: it counts
  ASSERT_EQ(editor.state.LineCount, 3);
  EXPECT_EQ(Line(2).HenikiStart, -3);
  EXPECT_EQ(Line(2).HenikiEnd, 4);
}

TEST_F(EditorTest, PasteWithoutPictureChangesNothing) {
  editor.PasteBitmap();
  EXPECT_FALSE(editor.state.BitmapPasted);
  EXPECT_EQ(prompter.messages.size(), 1u);
  view.clipboardHasPicture = true;
  editor.PasteBitmap();
  EXPECT_TRUE(editor.state.BitmapPasted);
  prompter.answers = {Answer::Yes};
  editor.ClearBitmap();
  EXPECT_FALSE(editor.state.BitmapPasted);
}

TEST_F(EditorTest, NewCurvesGoBeforeLinesKeptFromALargerFile) {
  // A file with one curve more than the editor reads: its last five lines stay in the buffer.
  Click(1, 1);
  Click(2, 1);
  TLineData surplus = editor.MakeLine({7, 7});
  surplus.Shiki = "y = 49/x";
  editor.buffer.AppendCurve(surplus);
  editor.SelectOnly(0);
  editor.DeleteSelected();
  Click(3, 1);
  Drag(3, 1, 4, 1);  // replaces the new curve's lines, not the kept ones
  std::vector<std::string> expected = ExpectedBuffer();
  for (const auto& l : CurveLines(surplus)) expected.push_back(l);
  EXPECT_EQ(editor.buffer.Lines(), expected);
}

TEST_F(EditorTest, SampleButtonCyclesTheSegmentKinds) {
  editor.SetLineMode(kModeSegment);
  EXPECT_EQ(FromCp932(editor.edtHeniki), " ≦ ≦");
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    editor.SampleButtonClick();
    seen.push_back(FromCp932(editor.edtHeniki));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{" ≦ ＜", " ＜ ≦", " ＜ ＜", " ≦ ≦"}));
  editor.SetLineMode(kModeLeft);
  editor.SampleButtonClick();
  EXPECT_EQ(FromCp932(editor.edtHeniki), "  ＜ ");
  EXPECT_FALSE(editor.state.CurIncStart);
  EXPECT_FALSE(editor.state.CurIncEnd);
  editor.SetLineMode(kModeWhole);  // resets both kinds
  EXPECT_EQ(editor.state.SenbunKind, 0);
  EXPECT_EQ(editor.state.HanchokusenKind, 0);
}

TEST_F(EditorTest, FormSwitchRebuildsEveryEquationButNotTheDocumentLines) {
  Click(-2, 3);
  Click(4, 3);
  const auto before = editor.buffer.Lines();
  EXPECT_TRUE(editor.ChooseForm(EquationForm::General));
  EXPECT_EQ(editor.listItems, (std::vector<std::string>{"xy = -6", "xy = 12"}));
  EXPECT_EQ(Line(0).Shiki, "xy = -6");
  EXPECT_EQ(editor.buffer.Lines(), before);
  EXPECT_TRUE(editor.ChooseForm(EquationForm::Standard));
  EXPECT_EQ(editor.listItems, (std::vector<std::string>{"y = -6/x", "y = 12/x"}));
  // With the equations hidden the form buttons do nothing.
  editor.OnShikiClicked(false);
  EXPECT_FALSE(editor.ChooseForm(EquationForm::General));
  EXPECT_EQ(editor.listItems[0], "y = -6/x");
}

TEST_F(EditorTest, TestIsRefusedAsAWholeForOneCurveWithADomain) {
  editor.TestCommand();
  Click(2, 3);
  editor.SetLineMode(kModeRight);
  Click(1, 1);
  Click(2, 0);
  editor.TestCommand();
  EXPECT_EQ(view.practiceShown, 0);
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{"テストするデータがありません",
                                                         "変域があるものはテストできません"}));
  editor.DeleteSelected();  // the half-line was selected
  editor.TestCommand();
  EXPECT_EQ(view.practiceShown, 1);
  EXPECT_TRUE(editor.state.TestMode);
  EXPECT_EQ(editor.PracticeCount, 1);
  EXPECT_EQ(editor.PracticeData[0].Shiki, "y = 6/x");
}

TEST_F(EditorTest, PracticeRefusesAUnitWithADomain) {
  view.unitChosen = true;
  view.fillPractice = [this] {
    editor.PracticeCount = 2;
    editor.PracticeData[1].LMode = kModeSegment;
  };
  editor.PracticeCommand();
  EXPECT_EQ(view.practiceShown, 0);
  EXPECT_FALSE(editor.state.TestMode);
  view.fillPractice = [this] { editor.PracticeData[1].LMode = kModeWhole; };
  editor.PracticeCommand();
  EXPECT_EQ(view.practiceShown, 1);
}

TEST_F(EditorTest, PanelColoursFollowTheColourOption) {
  Click(2, 3);
  henikiX.Clear();
  editor.OnRanColorClicked(false);
  EXPECT_EQ(henikiX.Ops("Fill").front().substr(henikiX.Ops("Fill").front().size() - 7), "#FFFFFF");
  for (const auto& t : henikiX.Ops("Text")) EXPECT_NE(t.find("#000000]"), std::string::npos) << t;
  editor.OnRanColorClicked(true);
  EXPECT_EQ(editor.state.PanelBackColor, 0x808000);
}

TEST_F(EditorTest, UncheckingTheRangeOptionEmptiesTheRangePanelForGood) {
  Click(2, 3);
  editor.OnDispHenikiClicked(false);
  henikiY.Clear();
  teisuu.Clear();
  Click(1, 1);
  EXPECT_TRUE(henikiY.Ops("Text").empty());
  EXPECT_TRUE(teisuu.Ops("Text").empty());
}

}  // namespace
