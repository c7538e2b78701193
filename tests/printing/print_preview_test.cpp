#include "printing/print_preview.h"

#include <gtest/gtest.h>

#include "model/cp932.h"
#include "support/core/recording_canvas.h"

namespace {

const std::string kTitle = ToCp932("Kelvado 反比例（中学版）");  // 24 bytes

struct PreviewCase {
  const char* name;
  int32_t plane;  // square plane, pixels
  PreviewLayout layout;
  std::string copy;   // the plane's Copy operation
  std::string title;  // the title's Text operation
};

class PreviewComposition : public ::testing::TestWithParam<PreviewCase> {};

// Title: left + half the target's width − 24 bytes × 9 points / 4; top 15 below the plane.
TEST_P(PreviewComposition, PlacesThePlaneAndTheTitle) {
  const PreviewCase& c = GetParam();
  RecordingCanvas preview(kPreviewSize, kPreviewSize);
  const RecordingCanvas plane(c.plane, c.plane);
  DrawPrintPreview(preview, plane, c.layout, "h", kTitle);
  ASSERT_FALSE(preview.ops.empty());
  EXPECT_EQ(preview.ops.front(), "Fill 0,0,640,640 #FFFFFF");
  EXPECT_EQ(preview.Ops("Copy"), std::vector<std::string>{c.copy});
  const std::vector<std::string> texts = preview.Ops("Text");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], c.title);
}

INSTANTIATE_TEST_SUITE_P(
    DrawPrintPreview, PreviewComposition,
    ::testing::Values(
        PreviewCase{"HalfScaleOf384",
                    384,
                    {50, 50, 50},
                    "Copy 50,50,242,242 from 0,0,384,384",
                    "Text 92,257 Kelvado 反比例（中学版） [ＭＳ Ｐゴシック 9 #000000]"},
        PreviewCase{"HalfScaleAtZeroMargins",
                    384,
                    {0, 0, 50},
                    "Copy 0,0,192,192 from 0,0,384,384",
                    "Text 42,207 Kelvado 反比例（中学版） [ＭＳ Ｐゴシック 9 #000000]"},
        PreviewCase{"WideMarginsReach584",
                    384,
                    {200, 200, 100},
                    "Copy 200,200,584,584 from 0,0,384,384",
                    "Text 338,599 Kelvado 反比例（中学版） [ＭＳ Ｐゴシック 9 #000000]"},
        // 385 × 0.5 = 192.5 rounds to the even 192; 387 × 0.5 = 193.5 to 194.
        PreviewCase{"HalfPixelRoundsDownToEven",
                    385,
                    {0, 0, 50},
                    "Copy 0,0,192,192 from 0,0,385,385",
                    "Text 42,207 Kelvado 反比例（中学版） [ＭＳ Ｐゴシック 9 #000000]"},
        PreviewCase{"HalfPixelRoundsUpToEven",
                    387,
                    {0, 0, 50},
                    "Copy 0,0,194,194 from 0,0,387,387",
                    "Text 43,209 Kelvado 反比例（中学版） [ＭＳ Ｐゴシック 9 #000000]"},
        // A title wider than twice its share of the plane starts at the preview's left edge.
        PreviewCase{"SmallPlaneKeepsTheTitlesLeftEdgeInside",
                    160,
                    {0, 0, 50},
                    "Copy 0,0,80,80 from 0,0,160,160",
                    "Text 0,95 Kelvado 反比例（中学版） [ＭＳ Ｐゴシック 9 #000000]"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(DrawPrintPreview, HeaderGoesTenPixelsRightOfTheMarginInBlack) {
  RecordingCanvas preview(kPreviewSize, kPreviewSize);
  preview.SetFontColor(kWhite);
  preview.SetFontName(kFontBookman);
  preview.SetFontItalic(true);
  DrawPrintPreview(preview, RecordingCanvas(384, 384), PreviewLayout{30, 0, 100},
                   "Mevrolin.mvr  2003.06.05  09:05", "");
  EXPECT_EQ(preview.Ops("Text"), std::vector<std::string>{"Text 40,10 Mevrolin.mvr  2003.06.05  "
                                                          "09:05 [ＭＳ Ｐゴシック 9 #000000]"});
}

TEST(DrawPrintPreview, EmptyHeaderAndTitleDrawNothing) {
  RecordingCanvas preview(kPreviewSize, kPreviewSize);
  DrawPrintPreview(preview, RecordingCanvas(384, 384), PreviewLayout{}, "", "");
  EXPECT_TRUE(preview.Ops("Text").empty());
  EXPECT_EQ(preview.ops.size(), 2u);  // the white and the plane
}

struct HeaderCase {
  const char* name;
  DateTime now;
  const char* text;
};

class HeaderText : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderText, NameDateAndTimeWithTwoDigitFields) {
  EXPECT_EQ(FromCp932(PrintHeaderText(ToCp932("反比例.mvr"), GetParam().now)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    PrintHeaderText, HeaderText,
    ::testing::Values(
        HeaderCase{"LeadingZeros", {2003, 6, 5, 9, 5, 0}, "反比例.mvr  2003.06.05  09:05"},
        HeaderCase{"TwoDigitsAlready", {2024, 12, 31, 23, 59, 59}, "反比例.mvr  2024.12.31  23:59"},
        HeaderCase{"Midnight", {2000, 1, 1, 0, 0, 0}, "反比例.mvr  2000.01.01  00:00"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

struct FitCase {
  const char* name;
  int32_t plane;
  PreviewLayout shown;
  PreviewLayout fitted;
};

class PreviewFitting : public ::testing::TestWithParam<FitCase> {};

// The title's line takes 15 + 14 pixels under the plane in 9 points.
TEST_P(PreviewFitting, StartsWithTheLargestScaleThatKeepsPlaneAndTitleInside) {
  const FitCase& c = GetParam();
  const PreviewLayout fitted = FitPreview(c.plane, c.plane, c.shown, 9);
  EXPECT_EQ(fitted, c.fitted);
  EXPECT_TRUE(PreviewFits(c.plane, c.plane, fitted, 9));
}

INSTANTIATE_TEST_SUITE_P(
    FitPreview, PreviewFitting,
    ::testing::Values(FitCase{"DefaultPlaneFitsAsItIs", 544, {50, 50, 100}, {50, 50, 100}},
                      FitCase{"WideMarginsFitAsTheyAre", 384, {200, 200, 100}, {200, 200, 100}},
                      // 800 × 0.7 = 560: the title's line ends at 50 + 560 + 29 = 639.
                      FitCase{"LargeScreenPlaneAt70", 800, {50, 50, 100}, {50, 50, 70}},
                      FitCase{"TypedScaleGoesToTheNextTen", 800, {50, 50, 75}, {50, 50, 70}},
                      FitCase{"BelowHalfForAHugePlane", 1150, {50, 50, 100}, {50, 50, 40}},
                      FitCase{"LargestPlaneAtTenPercent", 4096, {200, 200, 100}, {200, 200, 10}},
                      FitCase{"MarginsNarrowedLast", 5000, {200, 200, 100}, {140, 111, 10}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

struct LimitCase {
  const char* name;
  int32_t plane;
  PreviewLayout layout;
  PreviewLimits limits;
};

class SpinLimits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SpinLimits, StopWhereThePlaneOrTitleWouldLeaveThePreview) {
  const LimitCase& c = GetParam();
  EXPECT_EQ(LimitsFor(c.plane, c.plane, c.layout, 9), c.limits);
}

INSTANTIATE_TEST_SUITE_P(
    LimitsFor, SpinLimits,
    ::testing::Values(
        LimitCase{"SmallPlaneHasTheFullRanges", 384, {50, 50, 100}, {200, 200, 50, 100}},
        // 640 − 544 = 96 across; 640 − 544 − 29 = 67 down.
        LimitCase{"DefaultPlane", 544, {50, 50, 100}, {96, 67, 50, 100}},
        // 150 + 490 (544 × 0.9 = 489.6) = 640.
        LimitCase{"ScaleStopsAtTheRightEdge", 544, {150, 50, 80}, {200, 176, 50, 90}},
        LimitCase{"LoweredScaleWidensTheRange", 800, {50, 50, 40}, {200, 200, 40, 70}},
        // Values already beyond stay reachable; nothing is forced on them.
        LimitCase{"ValuesBeyondAreKept", 544, {180, 120, 100}, {180, 120, 50, 100}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

}  // namespace
