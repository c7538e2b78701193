#include "storage/work.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TLineData Curve(int32_t x1, int32_t y1, int32_t mode = kModeWhole) {
  TLineData line;
  line.LMode = mode;
  line.LWidth = 1;
  line.IncStart = true;
  line.IncEnd = true;
  line.Color = 255;
  line.X1 = x1;
  line.Y1 = y1;
  line.HenikiStart = mode == kModeWhole ? kOpenLeft : -2;
  line.HenikiEnd = mode == kModeWhole ? kOpenRight : 3;
  line.Shiki = EquationText(line, EquationForm::Standard);
  return line;
}

// The work is in step: one list text and one selection flag per curve, each list text the
// curve's equation in the form, and the buffer the title line, every curve's five lines as the
// writer makes them (its equation line as given here) and then the surplus lines.
void ExpectInStep(const Work& work, EquationForm form, const Lines& equationLines,
                  const Lines& surplus, const std::string& context) {
  SCOPED_TRACE(context);
  ASSERT_EQ(work.ListItems().size(), static_cast<std::size_t>(work.Count()));
  ASSERT_EQ(work.Selection().size(), static_cast<std::size_t>(work.Count()));
  ASSERT_EQ(equationLines.size(), static_cast<std::size_t>(work.Count()));
  Lines expected{work.Buffer().Lines().front()};
  for (int32_t i = 0; i < work.Count(); ++i) {
    EXPECT_EQ(work.ListItems()[static_cast<std::size_t>(i)], EquationText(work.Curve(i), form));
    auto five = CurveLines(work.Curve(i));
    five[1] = equationLines[static_cast<std::size_t>(i)];
    expected.insert(expected.end(), five.begin(), five.end());
  }
  expected.insert(expected.end(), surplus.begin(), surplus.end());
  EXPECT_EQ(work.Buffer().Lines(), expected);
}

// A sequence of operations on a work of three curves through (1,1), (2,1), (3,1), with what
// the curves' x, their equation lines, the surplus lines and the saved flag must be after it.
struct WorkCase {
  const char* name;
  std::function<void(Work&)> apply;
  std::vector<int32_t> x1;
  Lines equationLines;
  bool saved;
  EquationForm form = EquationForm::Standard;
  Lines surplus = {};
};

class WorkOperations : public ::testing::TestWithParam<WorkCase> {};

TEST_P(WorkOperations, KeepCurvesListAndLinesInStep) {
  const WorkCase& c = GetParam();
  Work work;
  work.Reset("title");
  for (int32_t x = 1; x <= 3; ++x) work.Add(Curve(x, 1), EquationForm::Standard);
  ExpectInStep(work, EquationForm::Standard, {"y = 1/x", "y = 2/x", "y = 3/x"}, {}, "before");
  c.apply(work);
  std::vector<int32_t> x1;
  for (const TLineData& line : work.Curves()) x1.push_back(line.X1);
  EXPECT_EQ(x1, c.x1);
  EXPECT_EQ(work.DataSaved(), c.saved);
  ExpectInStep(work, c.form, c.equationLines, c.surplus, "after");
}

const Lines kThree = {"y = 1/x", "y = 2/x", "y = 3/x"};

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkOperations,
    ::testing::Values(WorkCase{"AddAppends",
                               [](Work& w) {
                                 EXPECT_EQ(w.Add(Curve(-2, 3), EquationForm::Standard), 3);
                               },
                               {1, 2, 3, -2},
                               {"y = 1/x", "y = 2/x", "y = 3/x", "y = -6/x"},
                               false},
                      WorkCase{"DeleteFirstAndLastKeepsTheMiddle",
                               [](Work& w) {
                                 w.SelectOnly(0);
                                 w.SetSelected(2, true);
                                 EXPECT_EQ(w.DeleteSelected(), 2);
                               },
                               {2},
                               {"y = 2/x"},
                               false},
                      WorkCase{"DeleteWithNothingSelectedStillCountsAsAChange",
                               [](Work& w) {
                                 w.MarkSaved();
                                 EXPECT_EQ(w.DeleteSelected(), 0);
                               },
                               {1, 2, 3},
                               kThree,
                               false},
                      WorkCase{"ReplaceRewritesAllFiveLines",
                               [](Work& w) {
                                 w.MarkSaved();
                                 w.ReplaceCurve(1, Curve(4, 2), EquationForm::Standard);
                               },
                               {1, 4, 3},
                               {"y = 1/x", "y = 8/x", "y = 3/x"},
                               false},
                      WorkCase{"MoveIsAChangeOfTheWork",
                               [](Work& w) {
                                 w.MarkSaved();
                                 w.ReplaceCurve(2, Curve(3, 2), EquationForm::Standard);
                               },
                               {1, 2, 3},
                               {"y = 1/x", "y = 2/x", "y = 6/x"},
                               false},
                      WorkCase{"FormSwitchLeavesTheStoredEquationLines",
                               [](Work& w) { w.SetEquationForm(EquationForm::General); },
                               {1, 2, 3},
                               kThree,
                               false,
                               EquationForm::General},
                      WorkCase{"RestyleAfterAFormSwitchKeepsTheStoredEquation",
                               [](Work& w) {
                                 w.SetEquationForm(EquationForm::General);
                                 w.Restyle(0, 0x00FF00, 3);
                                 EXPECT_EQ(w.Curve(0).Color, 0x00FF00);
                                 EXPECT_EQ(w.Curve(0).LWidth, 3);
                               },
                               {1, 2, 3},
                               kThree,
                               false,
                               EquationForm::General},
                      WorkCase{"OperationsOnNoCurveChangeNothing",
                               [](Work& w) {
                                 w.MarkSaved();
                                 w.ReplaceCurve(3, Curve(9, 9), EquationForm::Standard);
                                 w.ReplaceCurve(-1, Curve(9, 9), EquationForm::Standard);
                                 w.Restyle(7, 1, 1);
                                 w.SetSelected(5, true);
                               },
                               {1, 2, 3},
                               kThree,
                               true},
                      WorkCase{"LoadTakesCurvesAndLinesAsRead",
                               [](Work& w) {
                                 TLineData read = Curve(5, -1);
                                 read.Shiki = "xy = -5";  // stored in the other form
                                 Lines lines{"unit"};
                                 for (const auto& l : CurveLines(read)) lines.push_back(l);
                                 lines.push_back("kept");
                                 w.Load({read}, lines, EquationForm::Standard);
                               },
                               {5},
                               {"xy = -5"},
                               true,
                               EquationForm::Standard,
                               {"kept"}},
                      WorkCase{"NewCurvesGoBeforeLinesKeptFromALargerFile",
                               [](Work& w) {
                                 Lines lines{"unit"};
                                 for (const auto& l : CurveLines(Curve(5, 1))) lines.push_back(l);
                                 for (const auto& l : CurveLines(Curve(7, 7))) lines.push_back(l);
                                 w.Load({Curve(5, 1)}, lines, EquationForm::Standard);
                                 w.Add(Curve(6, 1), EquationForm::Standard);
                                 w.SelectOnly(0);
                                 w.DeleteSelected();
                               },
                               {6},
                               {"y = 6/x"},
                               false,
                               EquationForm::Standard,
                               {"255,16", "y = 49/x", "7,7", "0,0", "-99,99"}},
                      WorkCase{"ResetLeavesOnlyTheTitleLine",
                               [](Work& w) {
                                 w.Reset("new");
                                 EXPECT_EQ(w.Buffer().Lines(), Lines{"new"});
                               },
                               {},
                               {},
                               true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Work, AFullWorkRefusesAnotherCurve) {
  Work work;
  work.Reset("t");
  for (int32_t i = 0; i < kMaxLines; ++i)
    ASSERT_EQ(work.Add(Curve(1, i + 1), EquationForm::Standard), i);
  const Lines before = work.Buffer().Lines();
  EXPECT_EQ(work.Add(Curve(2, 2), EquationForm::Standard), -1);
  EXPECT_EQ(work.Count(), kMaxLines);
  EXPECT_EQ(work.Buffer().Lines(), before);
}

TEST(Work, SelectionQueries) {
  Work work;
  work.Reset("t");
  EXPECT_EQ(work.FirstSelected(), -1);
  EXPECT_EQ(work.LastSelected(), -1);
  for (int32_t x = 1; x <= 4; ++x) work.Add(Curve(x, 1), EquationForm::Standard);
  EXPECT_EQ(work.FirstSelected(), 3);  // none selected: the last curve
  EXPECT_EQ(work.LastSelected(), -1);
  work.SetSelection({false, true, false, true, true});  // a flag too many is ignored
  EXPECT_EQ(work.FirstSelected(), 1);
  EXPECT_EQ(work.LastSelected(), 3);
  EXPECT_EQ(work.SelectedCount(), 2);
  work.SelectAll();
  EXPECT_EQ(work.SelectedCount(), 4);
  work.SetSelection({true});  // missing flags read as not selected
  EXPECT_EQ(work.SelectedCount(), 1);
}

TEST(Work, NeedSaveOnlyForChangedWorksWithCurves) {
  Work work;
  work.Reset("t");
  EXPECT_FALSE(work.NeedSave());
  work.Add(Curve(1, 1), EquationForm::Standard);
  EXPECT_TRUE(work.NeedSave());
  work.SelectAll();
  work.DeleteSelected();
  EXPECT_FALSE(work.DataSaved());
  EXPECT_FALSE(work.NeedSave());  // a changed work with no curves
  work.Add(Curve(1, 1), EquationForm::Standard);
  work.MarkSaved();
  EXPECT_FALSE(work.NeedSave());
}

TEST(Work, HistoryKeepsAHundredStepsAndLosesASavedStateLeftOnTheRedoSide) {
  Work work;
  work.Reset("t");
  work.Add(Curve(1, 1), EquationForm::Standard);
  work.Add(Curve(2, 1), EquationForm::Standard);
  work.MarkSaved();
  work.Undo();
  work.Restyle(0, 7, 2);  // the saved state can no longer be redone
  for (int32_t i = 0; i < 120; ++i) work.Restyle(0, i, 1);
  int32_t undone = 0;
  while (work.Undo()) undone += work.DataSaved() ? 1000 : 1;
  EXPECT_EQ(undone, 100);
}

}  // namespace
