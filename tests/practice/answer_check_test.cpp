#include "practice/answer_check.h"

#include <gtest/gtest.h>

#include "render/coordinate_plane.h"

namespace {

TLineData Curve(int32_t x1, int32_t y1, const std::string& shiki) {
  TLineData line;
  line.X1 = x1;
  line.Y1 = y1;
  line.Shiki = shiki;
  return line;
}

std::string TextAt(int32_t x, int32_t y, EquationForm form) {
  return EquationText(Curve(x, y, ""), form);
}

struct AnswerCase {
  const char* name;
  TLineData question;
  int32_t x;
  int32_t y;
  EquationForm form;
  bool right;
};

class IsRightAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(IsRightAnswerTest, ComparesTheClickedEquationWithTheQuestionsTexts) {
  const AnswerCase& c = GetParam();
  EXPECT_EQ(IsRightAnswer(c.question, TextAt(c.x, c.y, c.form), c.form), c.right);
}

const TLineData kSix = Curve(2, 3, "y = 6/x");
constexpr auto kStd = EquationForm::Standard;
constexpr auto kGen = EquationForm::General;

INSTANTIATE_TEST_SUITE_P(
    Clicks, IsRightAnswerTest,
    ::testing::Values(AnswerCase{"TheStoredPoint", kSix, 2, 3, kStd, true},
                      AnswerCase{"TheMirroredPoint", kSix, 3, 2, kStd, true},
                      AnswerCase{"TheOtherBranch", kSix, -1, -6, kStd, true},
                      AnswerCase{"SixOne", kSix, 6, 1, kStd, true},
                      AnswerCase{"TwoTwoIsFour", kSix, 2, 2, kStd, false},
                      AnswerCase{"TheWrongSign", kSix, -2, 3, kStd, false},
                      AnswerCase{"OnAnAxis", kSix, 0, 3, kStd, false},
                      // The stored y = 6/x never equals xy = 6, the text worked out now does.
                      AnswerCase{"GeneralFormShown", kSix, 3, 2, kGen, true},
                      AnswerCase{"StoredInGeneralForm", Curve(2, 3, "xy = 6"), -6, -1, kStd, true},
                      // A hand-edited text that disagrees with its point: both constants answer.
                      AnswerCase{"StoredTextOfAnotherConstant", Curve(2, 3, "y = 12/x"), 3, 4, kStd,
                                 true},
                      AnswerCase{"PointOfAnEditedText", Curve(2, 3, "y = 12/x"), 1, 6, kStd, true}),
    [](const auto& row) { return std::string(row.param.name); });

// A plane of the given size and spacing, centred unless a start is given.
PlaneGeometry Plane(const char* size, int32_t spacing, const char* startX = "-99") {
  PlaneSettings main;
  main.edtSizeX = size;
  main.edtSizeY = size;
  PlaneSettings practice;
  practice.DX = practice.DY = practice.AcceptedDX = practice.AcceptedDY = spacing;
  practice.edtStartX = startX;
  return ComputePlaneGeometry(main, practice, 544);
}

struct PlaneCase {
  const char* name;
  PlaneGeometry plane;
  std::vector<TLineData> questions;
  int32_t firstUnanswerable;
};

class FirstUnanswerableTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(FirstUnanswerableTest, FindsTheFirstQuestionNoClickCanAnswer) {
  const PlaneCase& c = GetParam();
  EXPECT_EQ(FirstUnanswerable(c.questions, c.plane, kStd), c.firstUnanswerable);
}

// The 384-pixel plane with 16 pixels a unit reaches -12..12 both ways.
INSTANTIATE_TEST_SUITE_P(
    Planes, FirstUnanswerableTest,
    ::testing::Values(
        PlaneCase{"EveryQuestionAnswerable",
                  Plane("384", 16),
                  {Curve(2, 3, "y = 6/x"), Curve(-1, 7, "y = -7/x")},
                  -1},
        PlaneCase{"ThirteenHasNoPointWithinTwelve",
                  Plane("384", 16),
                  {Curve(2, 3, "y = 6/x"), Curve(13, 1, "y = 13/x")},
                  1},
        PlaneCase{"ElevenTimesThirteen", Plane("384", 16), {Curve(11, 13, "y = 143/x")}, 0},
        PlaneCase{"TheCornerPoint", Plane("384", 16), {Curve(-12, 12, "y = -144/x")}, -1},
        PlaneCase{
            "AnEditedTextWithAPointOnThePlane", Plane("384", 16), {Curve(13, 1, "y = 12/x")}, -1},
        PlaneCase{"ATextNoConstantIsWrittenAs", Plane("384", 16), {Curve(13, 1, "y = 012/x")}, 0},
        PlaneCase{"ZeroIsAnsweredOnAnAxis", Plane("384", 16), {Curve(0, 5, "y = 0/x")}, -1},
        PlaneCase{"FiveUnitsEachWay",
                  Plane("160", 16),
                  {Curve(5, 5, "y = 25/x"), Curve(1, 7, "y = 7/x")},
                  1},
        PlaneCase{
            "APlaneStartingRightOfTheAxis", Plane("384", 16, "3"), {Curve(1, 2, "y = 2/x")}, 0},
        PlaneCase{"FourPixelsAUnit", Plane("384", 4), {Curve(1, 47, "y = 47/x")}, -1}),
    [](const auto& row) { return std::string(row.param.name); });

struct HintCase {
  const char* name;
  TLineData question;
  LatticePoint point;
};

class HintPointTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintPointTest, PointsAtARightPointTheClickCanReach) {
  EXPECT_EQ(HintPoint(GetParam().question, Plane("384", 16), kStd), GetParam().point);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, HintPointTest,
    ::testing::Values(HintCase{"ItsOwnPoint", Curve(2, 3, "y = 6/x"), {2, 3}},
                      HintCase{"ItsOwnPointAtTheEdge", Curve(-12, 1, "y = -12/x"), {-12, 1}},
                      // Drawn on a plane reaching farther: the nearest right point instead.
                      HintCase{"NearestToAPointOffThePlane", Curve(20, 1, "y = 20/x"), {10, 2}},
                      HintCase{"ThroughTheStoredText", Curve(13, 1, "y = 12/x"), {12, 1}},
                      HintCase{"NoneOnThePlane", Curve(13, 1, "y = 13/x"), {13, 1}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
