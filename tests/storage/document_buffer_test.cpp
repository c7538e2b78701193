#include "storage/document_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TLineData Curve(int32_t mode, int32_t width, bool incStart, bool incEnd) {
  TLineData line;
  line.LMode = mode;
  line.LWidth = width;
  line.IncStart = incStart;
  line.IncEnd = incEnd;
  return line;
}

struct StyleCase {
  const char* name;
  int32_t style;
  int32_t mode, width;
  bool incStart, incEnd;
  bool packsBack;  // PackStyle of the decoded record gives the same word
};

class StyleWordTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleWordTest, UnpacksModeWidthAndInclusion) {
  const StyleCase c = GetParam();
  TLineData line;
  line.Color = 123;
  UnpackStyle(c.style, line);
  EXPECT_EQ(line.LMode, c.mode);
  EXPECT_EQ(line.LWidth, c.width);
  EXPECT_EQ(line.IncStart, c.incStart);
  EXPECT_EQ(line.IncEnd, c.incEnd);
  EXPECT_EQ(line.Color, 123);  // only the packed fields change
  if (c.packsBack) {
    EXPECT_EQ(PackStyle(line), c.style);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleWordTest,
    ::testing::Values(StyleCase{"ZeroIsWholeWidthOne", 0, 0, 1, true, true, false},
                      StyleCase{"WholeWidthOne", 16, 0, 1, true, true, true},
                      StyleCase{"SegmentOpenStart", 545, 1, 2, false, true, true},
                      StyleCase{"SegmentOpenEnd", 1 + 48 + 256, 1, 3, true, false, true},
                      StyleCase{"RightHalfLineOpen", 2 + 16 + 768, 2, 1, false, false, true},
                      StyleCase{"LeftHalfLineClosed", 3 + 32, 3, 2, true, true, true},
                      // Kinds above 3 are never written; their two low bits decide.
                      StyleCase{"KindSixAsTwo", 16 + 6 * 256, 0, 1, false, true, false},
                      StyleCase{"HighBitsIgnored", 16 + 0x7FFFF000, 0, 1, true, true, false},
                      StyleCase{"Negative", -1, 15, 15, false, false, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PackStyleTest, OutOfRangeFieldsWrapWithoutOverflow) {
  TLineData line = Curve(INT32_MAX, INT32_MAX, false, false);
  // Only needs to be defined behaviour; the value is whatever 32-bit arithmetic gives.
  EXPECT_EQ(PackStyle(line), static_cast<int32_t>(0x7FFFFFFFu + 16u * 0x7FFFFFFFu + 768u));
}

TEST(CurveLinesTest, WritesColourStyleShikiAndThreePairs) {
  TLineData line = Curve(1, 2, false, true);
  line.Color = 16711680;
  line.Shiki = "y = -8/x";
  line.X1 = -2;
  line.Y1 = 4;
  line.X2 = 1;
  line.Y2 = 0;
  line.HenikiStart = -3;
  line.HenikiEnd = 7;
  const std::array<std::string, 5> expected = {"16711680,545", "y = -8/x", "-2,4", "1,0", "-3,7"};
  EXPECT_EQ(CurveLines(line), expected);
}

TLineData Numbered(int32_t k) {
  TLineData line = Curve(0, 1, true, true);
  line.Color = k;
  line.Shiki = "c" + std::to_string(k);
  return line;
}

std::vector<std::string> Expected(const std::string& title, std::vector<int32_t> curves) {
  std::vector<std::string> lines{title};
  for (int32_t k : curves) {
    for (const std::string& text : CurveLines(Numbered(k))) lines.push_back(text);
  }
  return lines;
}

TEST(DocumentBufferTest, CurvesKeepTheirFiveLineSlotsThroughEdits) {
  DocumentBuffer buffer;
  buffer.Reset("old");
  buffer.AppendCurve(Numbered(1));
  buffer.Reset("title");
  EXPECT_EQ(buffer.Lines(), std::vector<std::string>{"title"});

  for (int32_t k : {1, 2, 3}) buffer.AppendCurve(Numbered(k));
  EXPECT_EQ(buffer.Size(), 16u);
  EXPECT_EQ(buffer.Lines(), Expected("title", {1, 2, 3}));

  buffer.ReplaceCurve(1, Numbered(7));
  EXPECT_EQ(buffer.Lines(), Expected("title", {1, 7, 3}));

  buffer.DeleteCurve(0);
  EXPECT_EQ(buffer.Lines(), Expected("title", {7, 3}));
  buffer.DeleteCurve(1);
  EXPECT_EQ(buffer.Lines(), Expected("title", {7}));
}

TEST(DocumentBufferTest, IndicesOutsideTheBufferChangeNothing) {
  DocumentBuffer buffer;
  buffer.Reset("t");
  buffer.AppendCurve(Numbered(1));
  const std::vector<std::string> before = buffer.Lines();
  for (int32_t i : {-1, 1, 2, INT32_MAX, INT32_MIN}) {
    buffer.ReplaceCurve(i, Numbered(9));
    buffer.DeleteCurve(i);
    EXPECT_EQ(buffer.Lines(), before) << i;
  }
}

TEST(DocumentBufferTest, EditedBufferWithPartialLastCurveIsHandledSafely) {
  // The user may cut lines in the contents window; a curve whose slot is short is replaced
  // or deleted only as far as its lines go.
  DocumentBuffer buffer;
  buffer.Load({"t", "1,16", "s", "1,1"});
  buffer.ReplaceCurve(0, Numbered(5));
  EXPECT_EQ(buffer.Lines(), (std::vector<std::string>{"t", "5,16", "c5", "0,0"}));
  buffer.DeleteCurve(0);
  EXPECT_EQ(buffer.Lines(), std::vector<std::string>{"t"});
}

}  // namespace
