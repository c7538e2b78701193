#include "render/line_sample.h"

#include <gtest/gtest.h>

#include "model/cp932.h"
#include "support/core/recording_canvas.h"

namespace {

struct FlagsCase {
  int32_t mode;
  int32_t kind;
  bool start;
  bool end;
  bool error;  // "GraphMode error" shown
};

void PrintTo(const FlagsCase& c, std::ostream* os) {
  *os << "LMode " << c.mode << " HenikiKind " << c.kind;
}

class EndFlagsOfTest : public ::testing::TestWithParam<FlagsCase> {};

TEST_P(EndFlagsOfTest, FillsFromModeAndKind) {
  const FlagsCase& c = GetParam();
  TLineData curve;
  curve.LMode = c.mode;
  curve.HenikiKind = c.kind;
  const std::optional<EndFlags> flags = EndFlagsOf(curve);
  EXPECT_EQ(flags.value_or(EndFlags{}), (EndFlags{c.start, c.end}));
  EXPECT_EQ(!flags.has_value(), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    WholeTable, EndFlagsOfTest,
    ::testing::Values(FlagsCase{0, 0, true, true, false}, FlagsCase{0, 3, true, true, false},
                      FlagsCase{0, -7, true, true, false}, FlagsCase{1, 0, true, true, false},
                      FlagsCase{1, 1, true, false, false}, FlagsCase{1, 2, false, true, false},
                      FlagsCase{1, 3, false, false, false}, FlagsCase{1, 4, false, false, false},
                      FlagsCase{1, -1, false, false, false}, FlagsCase{2, 0, true, true, false},
                      FlagsCase{2, 1, false, false, false}, FlagsCase{2, 2, false, false, false},
                      FlagsCase{3, 0, true, true, false}, FlagsCase{3, 1, false, false, false},
                      FlagsCase{3, -1, false, false, false}, FlagsCase{-1, 0, false, false, false},
                      FlagsCase{4, 0, false, false, false}, FlagsCase{-2, 0, false, false, true},
                      FlagsCase{5, 0, false, false, true},
                      FlagsCase{INT32_MIN, 0, false, false, true},
                      FlagsCase{INT32_MAX, 1, false, false, true}));

struct SignsCase {
  int32_t lineMode;
  int32_t senbunKind;
  int32_t hanchokusenKind;
  const char* text;  // UTF-8; "keep" when the indicator keeps its text
  bool incStart;
  bool incEnd;
};

void PrintTo(const SignsCase& c, std::ostream* os) {
  *os << "LineMode " << c.lineMode << " kinds " << c.senbunKind << "," << c.hanchokusenKind;
}

class ShowIneqSignsTest : public ::testing::TestWithParam<SignsCase> {};

TEST_P(ShowIneqSignsTest, SetsIndicatorAndInclusionThenRedrawsSample) {
  const SignsCase& c = GetParam();
  EditorState state;
  state.LineMode = c.lineMode;
  state.SenbunKind = c.senbunKind;
  state.HanchokusenKind = c.hanchokusenKind;
  // Flags that no known combination produces, so that unchanged flags show.
  state.CurIncStart = false;
  state.CurIncEnd = true;
  std::string edtHeniki = ToCp932("keep");
  RecordingCanvas imgSample(40, 24);
  const bool sound = ShowIneqSigns(state, edtHeniki, imgSample);
  EXPECT_EQ(FromCp932(edtHeniki), c.text);
  EXPECT_EQ(state.CurIncStart, c.incStart);
  EXPECT_EQ(state.CurIncEnd, c.incEnd);
  ASSERT_GE(imgSample.ops.size(), 2u);
  EXPECT_EQ(imgSample.ops[0], "Fill 0,0,40,24 #FFFFFF");
  EXPECT_EQ(imgSample.ops[1], "Rectangle 0,0,40,24 pen #000000 w1 brush none");
  EXPECT_TRUE(sound);
}

INSTANTIATE_TEST_SUITE_P(
    WholeTable, ShowIneqSignsTest,
    ::testing::Values(
        SignsCase{0, 0, 0, "", true, true}, SignsCase{1, 0, 0, " ≦ ≦", true, true},
        SignsCase{1, 1, 0, " ≦ ＜", true, false}, SignsCase{1, 2, 1, " ＜ ≦", false, true},
        SignsCase{1, 3, 0, " ＜ ＜", false, false}, SignsCase{2, 3, 0, "  ≦ ", true, true},
        SignsCase{2, 0, 1, "  ＜ ", false, false}, SignsCase{3, 2, 0, "  ≦ ", true, true},
        SignsCase{3, 0, 1, "  ＜ ", false, false},
        // Combinations outside the table keep the indicator and the flags.
        SignsCase{1, 4, 0, "keep", false, true}, SignsCase{1, -1, 0, "keep", false, true},
        SignsCase{2, 0, 2, "keep", false, true}, SignsCase{3, 0, -1, "keep", false, true},
        SignsCase{4, 0, 0, "keep", false, true}, SignsCase{-1, 0, 0, "keep", false, true}));

TEST(LineSample, SegmentWithSecondKindShowsFilledLeftAndOpenRight) {
  EditorState state;
  state.LineMode = kModeSegment;
  state.SenbunKind = 1;
  state.LineWidth = 2;
  std::string edtHeniki;
  RecordingCanvas imgSample(40, 24);
  ShowIneqSigns(state, edtHeniki, imgSample);
  EXPECT_EQ(FromCp932(edtHeniki), " ≦ ＜");
  EXPECT_EQ(imgSample.ops, (std::vector<std::string>{
                               "Fill 0,0,40,24 #FFFFFF",
                               "Rectangle 0,0,40,24 pen #000000 w1 brush none",
                               "MoveTo 10,12",
                               "LineTo 30,12 pen #FF0000 w2",
                               "Ellipse 5,7,15,17 pen #FF0000 w2 brush #FF0000",
                               "Ellipse 25,7,35,17 pen #FF0000 w2 brush #FFFFFF",
                           }));
}

struct SampleCase {
  const char* name;
  int32_t lineMode;  // the editor's current mode: gives the shape
  int32_t curveMode;
  int32_t kind;
  std::vector<std::string> ops;
};

void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }

class DrawLineSampleTest : public ::testing::TestWithParam<SampleCase> {};

// A registered curve (one with an equation): colour, width and fills from the record.
TEST_P(DrawLineSampleTest, ShapeFromEditorModeLookFromRecord) {
  const SampleCase& c = GetParam();
  EditorState state;
  state.LineMode = c.lineMode;
  state.MaruRadius = 4;
  TLineData curve;
  curve.Shiki = "y = 6/x";
  curve.Color = 0x00FF00;
  curve.LWidth = 3;
  curve.LMode = c.curveMode;
  curve.HenikiKind = c.kind;
  RecordingCanvas canvas(200, 100);
  DrawLineSample(canvas, curve, 30, state);
  EXPECT_EQ(canvas.ops, c.ops);
  EXPECT_EQ(state.ColorIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DrawLineSampleTest,
    ::testing::Values(
        SampleCase{
            "WholeLineOnePixelWider", 0, 0, 0, {"MoveTo 0,40", "LineTo 40,40 pen #00FF00 w4"}},
        SampleCase{"SegmentOpenStartFilledEnd",
                   1,
                   1,
                   2,
                   {"MoveTo 10,40", "LineTo 30,40 pen #00FF00 w3",
                    "Ellipse 6,36,14,44 pen #00FF00 w3 brush #FFFFFF",
                    "Ellipse 26,36,34,44 pen #00FF00 w3 brush #00FF00"}},
        SampleCase{"RightHalfLineCircleAtLeft",
                   2,
                   2,
                   0,
                   {"MoveTo 10,40", "LineTo 30,40 pen #00FF00 w3",
                    "Ellipse 6,36,14,44 pen #00FF00 w3 brush #00FF00"}},
        SampleCase{"LeftHalfLineCircleAtRight",
                   3,
                   3,
                   1,
                   {"MoveTo 10,40", "LineTo 30,40 pen #00FF00 w3",
                    "Ellipse 26,36,34,44 pen #00FF00 w3 brush #FFFFFF"}},
        // The shape follows the editor, the fills the record: a whole curve has both filled.
        SampleCase{"WholeCurveInSegmentMode",
                   1,
                   0,
                   0,
                   {"MoveTo 10,40", "LineTo 30,40 pen #00FF00 w3",
                    "Ellipse 6,36,14,44 pen #00FF00 w3 brush #00FF00",
                    "Ellipse 26,36,34,44 pen #00FF00 w3 brush #00FF00"}},
        SampleCase{"UnknownEditorModeDrawsNothing", 5, 1, 0, {}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(LineSample, BrokenRecordReportsAndDrawsOpenCircles) {
  EditorState state;
  state.LineMode = kModeSegment;
  TLineData curve;
  curve.Shiki = "y = 6/x";
  curve.LMode = 9;
  curve.LWidth = 1;
  RecordingCanvas canvas(40, 24);
  EXPECT_FALSE(DrawLineSample(canvas, curve, 2, state));
  EXPECT_EQ(canvas.Ops("Ellipse"),
            (std::vector<std::string>{"Ellipse 5,7,15,17 pen #000000 w1 brush #FFFFFF",
                                      "Ellipse 25,7,35,17 pen #000000 w1 brush #FFFFFF"}));
}

TEST(LineSample, NextCurveTakesFixedColourAndHalfLineKind) {
  EditorState state;
  state.LineMode = kModeRight;
  state.HanchokusenKind = 1;
  state.FixedColor = 0x0000FF;
  state.LineWidth = 1;
  state.MaruRadius = 0;
  RecordingCanvas canvas(40, 24);
  DrawLineSample(canvas, TLineData{}, 2, state);
  EXPECT_EQ(canvas.ops,
            (std::vector<std::string>{"MoveTo 10,12", "LineTo 30,12 pen #0000FF w1",
                                      "Ellipse 10,12,10,12 pen #0000FF w1 brush #FFFFFF"}));
}

TEST(LineSample, ExtremeWidthAndTopStayDefined) {
  EditorState state;
  state.LineMode = kModeWhole;
  TLineData curve;
  curve.Shiki = "y = 6/x";
  curve.LWidth = INT32_MAX;
  RecordingCanvas canvas(40, 24);
  DrawLineSample(canvas, curve, INT32_MAX, state);
  state.LineMode = kModeSegment;
  state.MaruRadius = INT32_MAX;
  DrawLineSample(canvas, curve, INT32_MIN, state);
  EXPECT_EQ(canvas.Ops("Ellipse").size(), 2u);
}

}  // namespace
