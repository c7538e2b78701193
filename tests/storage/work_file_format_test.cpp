#include "storage/work_file_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/document_buffer.h"

namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class SplitTextLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextLinesTest, SplitsAtEveryKindOfLineEnd) {
  const SplitCase& c = GetParam();
  Lines lines{"untouched"};
  ASSERT_TRUE(SplitTextLines(c.bytes, lines));
  EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTextLinesTest,
    ::testing::Values(SplitCase{"Empty", "", {}}, SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"Lf", "a\nb\n", {"a", "b"}}, SplitCase{"Cr", "a\rb\r", {"a", "b"}},
                      SplitCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      SplitCase{"EmptyLinesKept", "a\r\n\r\n\nb", {"a", "", "", "b"}},
                      SplitCase{"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
                      SplitCase{"CrCrLf", "a\r\r\n", {"a", ""}},
                      SplitCase{"OnlyAnEnd", "\r\n", {""}},
                      // 0x5C as a trail byte and half-width kana pass through untouched.
                      SplitCase{
                          "Cp932Bytes", "\x83\x5c\x95\x5c\xb6\r\n", {"\x83\x5c\x95\x5c\xb6"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SplitTextLinesTest, RefusesBytesThatAreNoWorkFile) {
  const std::vector<std::string> refused = {
      std::string("title\r\n\0\r\n", 9),         // binary
      std::string(kMaxWorkLineBytes + 1, 'x'),   // a line far too long
      std::string(kMaxWorkLines + 1, '\n'),      // nothing but line ends
      std::string(kMaxWorkFileBytes + 1, '\n'),  // far too large
  };
  for (const std::string& bytes : refused) {
    Lines lines{"untouched"};
    EXPECT_FALSE(SplitTextLines(bytes, lines)) << bytes.size();
    EXPECT_EQ(lines, Lines{"untouched"});
  }
  Lines lines;
  EXPECT_TRUE(SplitTextLines(std::string(kMaxWorkLineBytes, 'x'), lines));
}

TEST(JoinTextLinesTest, EndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinTextLines({}), "");
  EXPECT_EQ(JoinTextLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(SplitPairTest, SplitsAtTheFirstComma) {
  using Pair = std::pair<std::string, std::string>;
  EXPECT_EQ(SplitPair("255,16"), Pair("255", "16"));
  EXPECT_EQ(SplitPair("1,2,3"), Pair("1", "2,3"));
  EXPECT_EQ(SplitPair("42"), Pair("42", ""));
  EXPECT_EQ(SplitPair(","), Pair("", ""));
  EXPECT_EQ(SplitPair(""), Pair("", ""));
}

struct IntCase {
  const char* text;
  bool ok;
  int32_t value;
};

class ParseInt32Test : public ::testing::TestWithParam<IntCase> {};

TEST_P(ParseInt32Test, AcceptsOnlyWholeDecimal32BitFields) {
  const IntCase c = GetParam();
  int32_t value = 77;
  EXPECT_EQ(ParseInt32(c.text, value), c.ok);
  EXPECT_EQ(value, c.ok ? c.value : 77);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseInt32Test,
    ::testing::Values(IntCase{"0", true, 0}, IntCase{"-99", true, -99},
                      IntCase{"16711680", true, 16711680}, IntCase{"007", true, 7},
                      IntCase{"2147483647", true, INT32_MAX},
                      IntCase{"-2147483648", true, INT32_MIN}, IntCase{"2147483648", false, 0},
                      IntCase{"-2147483649", false, 0}, IntCase{"", false, 0},
                      IntCase{"-", false, 0}, IntCase{" 5", false, 0}, IntCase{"5 ", false, 0},
                      IntCase{"+5", false, 0}, IntCase{"1e3", false, 0}, IntCase{"0x10", false, 0},
                      IntCase{"$FF", false, 0}, IntCase{"abc", false, 0}));

// A well-formed file image of n curves, curve k having colour k.
Lines WorkLines(int32_t n, const std::string& title = "title") {
  DocumentBuffer buffer;
  buffer.Reset(title);
  for (int32_t k = 0; k < n; ++k) {
    TLineData line;
    line.LMode = k % 4;
    line.LWidth = 1 + k % 3;
    line.IncStart = k % 2 == 0;
    line.IncEnd = k % 3 == 0;
    line.Color = k;
    line.X1 = k + 1;
    line.Y1 = -k - 1;
    line.X2 = k;
    line.HenikiStart = -99;
    line.HenikiEnd = 99;
    line.Shiki = "s" + std::to_string(k);
    buffer.AppendCurve(line);
  }
  return buffer.Lines();
}

Lines Plus(Lines lines, const Lines& extra) {
  lines.insert(lines.end(), extra.begin(), extra.end());
  return lines;
}

struct ReaderCase {
  const char* name;
  Lines lines;
  WorkFileError editorError;
  std::size_t editorCurves;
  WorkFileError previewError;
  std::size_t previewCurves;
  int32_t failedLine;  // for BadNumber, from either reader
};

class ReaderRulesTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderRulesTest, EditorAndPreviewApplyTheirOwnLineRules) {
  const ReaderCase& c = GetParam();
  const WorkFileParse editor = ParseWorkLines(c.lines);
  EXPECT_EQ(editor.error, c.editorError);
  EXPECT_EQ(editor.curves.size(), c.editorCurves);
  EXPECT_EQ(editor.lines, c.lines);  // every line kept, surplus included
  const WorkFileParse preview = ParsePreviewLines(c.lines);
  EXPECT_EQ(preview.error, c.previewError);
  EXPECT_EQ(preview.curves.size(), c.previewCurves);
  if (c.editorError == WorkFileError::BadNumber) {
    EXPECT_EQ(editor.failedLine, c.failedLine);
  }
  if (c.previewError == WorkFileError::BadNumber) {
    EXPECT_EQ(preview.failedLine, c.failedLine);
  }
}

Lines Ver4(int32_t n) {
  Lines lines = WorkLines(n);
  lines.insert(lines.begin() + 1, {std::string(kVer4Header), "h1", "h2"});
  return lines;
}

Lines DropLast(Lines lines) {
  lines.pop_back();
  return lines;
}

Lines WithLine(Lines lines, std::size_t index, const std::string& text) {
  lines[index] = text;
  return lines;
}

using E = WorkFileError;
INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderRulesTest,
    ::testing::Values(
        ReaderCase{"TwoCurves", WorkLines(2), E::None, 2, E::None, 2, 0},
        ReaderCase{"TitleOnly", WorkLines(0), E::NoCurves, 0, E::None, 0, 0},
        ReaderCase{"Empty", {}, E::BadStructure, 0, E::None, 0, 0},
        ReaderCase{"HundredCurves", WorkLines(100), E::None, 100, E::None, 100, 0},
        ReaderCase{"SurplusAfterHundred", WorkLines(103), E::None, 100, E::None, 100, 0},
        ReaderCase{"SevenLines", Plus(WorkLines(1), {"extra"}), E::BadStructure, 0, E::None, 1, 0},
        // Five lines hold no whole curve: the preview must not read past the end.
        ReaderCase{"FiveLines", DropLast(WorkLines(1)), E::BadStructure, 0, E::None, 0, 0},
        ReaderCase{"Ver4", Ver4(2), E::BadStructure, 0, E::None, 2, 0},
        ReaderCase{"Ver4HeaderOnly", Ver4(0), E::BadStructure, 0, E::None, 0, 0},
        ReaderCase{"Ver4Short", Lines{"t", std::string(kVer4Header)}, E::BadStructure, 0, E::None,
                   0, 0},
        ReaderCase{"LettersInColour", WithLine(WorkLines(2), 6, "red,16"), E::BadNumber, 0,
                   E::BadNumber, 0, 7},
        ReaderCase{"EmptyStyle", WithLine(WorkLines(1), 1, "255"), E::BadNumber, 0, E::BadNumber, 0,
                   2},
        ReaderCase{"SpaceInPoint", WithLine(WorkLines(1), 3, "2, 3"), E::BadNumber, 0, E::BadNumber,
                   0, 4},
        ReaderCase{"OutOfRange", WithLine(WorkLines(2), 10, "0,4294967296"), E::BadNumber, 0,
                   E::BadNumber, 0, 11},
        // Lines past the hundredth curve are kept, not read.
        ReaderCase{"BadSurplusIgnored", WithLine(WorkLines(101), 502, "x,y"), E::None, 100, E::None,
                   100, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReaderRulesTest, CurveFieldsAreReadAndHenikiKindIsZero) {
  const WorkFileParse parse =
      ParseWorkLines({"t", "16711680,545", "xy = -8", "-2,4", "1,5", "-3,7"});
  ASSERT_EQ(parse.error, WorkFileError::None);
  ASSERT_EQ(parse.curves.size(), 1u);
  const TLineData& line = parse.curves[0];
  EXPECT_EQ(line.Color, 16711680);
  EXPECT_EQ(line.LMode, 1);
  EXPECT_EQ(line.LWidth, 2);
  EXPECT_FALSE(line.IncStart);
  EXPECT_TRUE(line.IncEnd);
  EXPECT_EQ(line.Shiki, "xy = -8");
  EXPECT_EQ(line.X1, -2);
  EXPECT_EQ(line.Y1, 4);
  EXPECT_EQ(line.X2, 1);
  EXPECT_EQ(line.Y2, 5);
  EXPECT_EQ(line.HenikiStart, -3);
  EXPECT_EQ(line.HenikiEnd, 7);
  EXPECT_EQ(line.HenikiKind, 0);
}

TEST(ReaderRulesTest, WrittenCurvesReadBackEqualButForHenikiKind) {
  DocumentBuffer buffer;
  buffer.Reset("t");
  TLineData written;
  written.LMode = 2;
  written.LWidth = 3;
  written.IncStart = false;
  written.IncEnd = false;
  written.Color = 255;
  written.HenikiKind = 1;
  written.X1 = 3;
  written.Y1 = 5;
  written.HenikiStart = -4;
  written.HenikiEnd = 99;
  written.Shiki = "y = 15/x";
  buffer.AppendCurve(written);
  const WorkFileParse parse = ParseWorkLines(buffer.Lines());
  ASSERT_EQ(parse.curves.size(), 1u);
  TLineData expected = written;
  expected.HenikiKind = 0;
  EXPECT_EQ(parse.curves[0], expected);
}

TEST(ParseWorkFileTest, BytesThatAreNoTextAreRefusedByBothReaders) {
  const std::string binary("t\r\n\0\x01\x02", 6);
  EXPECT_EQ(ParseWorkFile(binary).error, WorkFileError::NotText);
  EXPECT_EQ(ParsePreviewFile(binary).error, WorkFileError::NotText);
  EXPECT_EQ(ParseWorkFile("t\n255,16\ny\n1,1\n0,0\n-99,99").curves.size(), 1u);
}

}  // namespace
