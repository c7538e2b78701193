#include "render/math_text.h"

#include <gtest/gtest.h>

#include "model/cp932.h"
#include "support/core/recording_canvas.h"

namespace {

// Font tags as the recording canvas writes them, in the default panel colours.
#define GOTHIC " [ＭＳ Ｐゴシック 14 #FFFFFF]"
#define ITALIC " [Bookman Old Style 14 italic #FFFFFF]"

struct MathCase {
  const char* name;
  const char* text;              // UTF-8
  std::vector<std::string> ops;  // everything after the clearing fill
};

void PrintTo(const MathCase& c, std::ostream* os) { *os << c.name; }

class DrawMathTextTest : public ::testing::TestWithParam<MathCase> {};

TEST_P(DrawMathTextTest, LaysTextOutOnTheColumnGrid) {
  const MathCase& c = GetParam();
  RecordingCanvas image(161, 65);
  EditorState state;
  DrawMathText(image, ToCp932(c.text), state);
  ASSERT_FALSE(image.ops.empty());
  EXPECT_EQ(image.ops.front(), "Fill 0,0,161,65 #808000");
  EXPECT_EQ(std::vector<std::string>(image.ops.begin() + 1, image.ops.end()), c.ops);
  // Whatever the text, the image is left in the upright gothic face at the panel size.
  EXPECT_EQ(image.fontName(), kFontPGothic);
  EXPECT_FALSE(image.fontItalic());
  EXPECT_EQ(image.FontSize(), 14);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DrawMathTextTest,
    ::testing::Values(
        // The letter y sits 2 pixels high; a fraction over x is set in the letter face whole.
        MathCase{"StandardForm",
                 "y = 6/x",
                 {"Text 7,18 y" ITALIC, "Text 21,20  " GOTHIC, "Text 35,20 =" GOTHIC,
                  "Text 49,20  " GOTHIC, "MoveTo 63,30", "LineTo 84,30 pen #FFFFFF w1",
                  "Text 68,3 6" ITALIC, "Text 66,31 x" ITALIC}},
        // After the fraction of y = 6/x the next free column is 13.
        MathCase{"NextColumnAfterFraction",
                 "y = 6/x;",
                 {"Text 7,18 y" ITALIC, "Text 21,20  " GOTHIC, "Text 35,20 =" GOTHIC,
                  "Text 49,20  " GOTHIC, "MoveTo 63,30", "LineTo 84,30 pen #FFFFFF w1",
                  "Text 68,3 6" ITALIC, "Text 66,31 x" ITALIC, "Text 91,20 ;" GOTHIC}},
        MathCase{"MinusTakesTwoColumns",
                 "-6/x",
                 {"Text 7,20 -" GOTHIC, "MoveTo 21,30", "LineTo 42,30 pen #FFFFFF w1",
                  "Text 26,3 6" ITALIC, "Text 24,31 x" ITALIC}},
        MathCase{"GeneralForm",
                 "xy = 6",
                 {"Text 7,20 x" ITALIC, "Text 21,18 y" ITALIC, "Text 35,20  " GOTHIC,
                  "Text 49,20 =" GOTHIC, "Text 63,20  " GOTHIC, "Text 77,20 6" GOTHIC}},
        // Signs are kept whole and take three columns.
        MathCase{"SegmentDomain",
                 "-3 ≦ x ≦ -1",
                 {"Text 7,20 -" GOTHIC, "Text 21,20 3" GOTHIC, "Text 35,20  " GOTHIC,
                  "Text 49,20 ≦" GOTHIC, "Text 70,20  " GOTHIC, "Text 84,20 x" ITALIC,
                  "Text 98,20  " GOTHIC, "Text 112,20 ≦" GOTHIC, "Text 133,20  " GOTHIC,
                  "Text 147,20 -" GOTHIC, "Text 161,20 1" GOTHIC}},
        // A fraction closed by a sign, in the gothic face, the denominator not raised.
        MathCase{"FractionBeforeSign",
                 "3/2＜ y",
                 {"MoveTo 7,30", "LineTo 28,30 pen #FFFFFF w1", "Text 12,3 3" GOTHIC,
                  "Text 10,37 2" GOTHIC, "Text 35,20 ＜" GOTHIC, "Text 56,20  " GOTHIC,
                  "Text 70,18 y" ITALIC}},
        // Width 3 rounds up to 4; numerator and denominator are centred over it.
        MathCase{"OddWidthRoundsUp",
                 "12/345",
                 {"MoveTo 7,30", "LineTo 42,30 pen #FFFFFF w1", "Text 16,3 12" GOTHIC,
                  "Text 10,37 345" GOTHIC}},
        MathCase{"GreaterSigns",
                 "x ≧3 ",
                 {"Text 7,20 x" ITALIC, "Text 21,20  " GOTHIC, "Text 35,20 ≧" GOTHIC,
                  "Text 56,20 3" GOTHIC, "Text 70,20  " GOTHIC}},
        // A caret makes the next digit small, in the middle row; the size returns for the rest.
        MathCase{"Superscript",
                 "x^2+1",
                 {"Text 7,20 x" ITALIC, "Text 21,20 2 [Bookman Old Style 8 italic #FFFFFF]",
                  "Text 42,20 +" GOTHIC, "Text 56,20 1" GOTHIC}},
        // Digits gathered before an x are dropped.
        MathCase{"DigitsBeforeXDropped", "2x", {"Text 7,20 x" ITALIC}},
        MathCase{"EmptyNumeratorDrawsNothing", "/5", {}},
        MathCase{"SlashWithoutDenominatorIsPlain", "5/", {"Text 7,20 5" GOTHIC}},
        MathCase{"Empty", "", {}},
        // Any other two-byte character is walked byte by byte, one column pair per byte.
        MathCase{"OtherDoubleByteSplit",
                 "＝",
                 {"Text 7,20 \xEF\xBF\xBD" GOTHIC, "Text 21,20 \xEF\xBF\xBD" GOTHIC}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(DrawMathTextBytes, ByteA5EndsTheGroupAndDrawsNothing) {
  RecordingCanvas image(161, 65);
  EditorState state;
  DrawMathText(image,
               std::string("1\xA5"
                           "2"),
               state);
  EXPECT_EQ(image.Ops("Text"),
            (std::vector<std::string>{"Text 7,20 1" GOTHIC, "Text 21,20 2" GOTHIC}));
}

TEST(DrawMathTextBytes, StartsInGothicWhateverTheImageHeld) {
  RecordingCanvas image(161, 65);
  image.SetFontName(kFontBookman);
  image.SetFontItalic(true);
  image.SetFontSize(30);
  EditorState state;
  DrawMathText(image, "6", state);
  EXPECT_EQ(image.Ops("Text"), std::vector<std::string>{"Text 7,20 6" GOTHIC});
}

TEST(DrawMathTextColours, FollowThePanelColoursAndRowHeight) {
  RecordingCanvas image(161, 65);
  EditorState state;
  state.PanelBackColor = 0xFFFFFF;
  state.PanelTextColor = 0x000000;
  state.PanelLineHeight = 24;
  DrawMathText(image, "-6/x", state);
  EXPECT_EQ(image.ops, (std::vector<std::string>{
                           "Fill 0,0,161,65 #FFFFFF", "Text 7,24 - [ＭＳ Ｐゴシック 14 #000000]",
                           "MoveTo 21,34", "LineTo 42,34 pen #000000 w1",
                           "Text 26,3 6 [Bookman Old Style 14 italic #000000]",
                           "Text 24,39 x [Bookman Old Style 14 italic #000000]"}));
}

TEST(DrawMathTextLimits, HugeRowHeightAndLongTextsStayDefined) {
  RecordingCanvas image(161, 65);
  EditorState state;
  state.PanelLineHeight = INT32_MAX;
  DrawMathText(image, "y = 12/x", state);
  EXPECT_EQ(DrawFraction(image, "1", "2", INT32_MAX, state), 4);
  state.PanelLineHeight = 20;
  DrawMathText(image, std::string(100000, '-'), state);
  EXPECT_EQ(image.Ops("Text").back(), "Text 1399993,20 -" GOTHIC);
}

TEST(DrawFractionResult, ColumnsUsed) {
  RecordingCanvas image(161, 65);
  EditorState state;
  EXPECT_EQ(DrawFraction(image, "", "x", 1, state), 0);
  EXPECT_EQ(DrawFraction(image, "12", "", 1, state), 3);
  EXPECT_EQ(DrawFraction(image, "6", "x", 1, state), 4);
  EXPECT_EQ(DrawFraction(image, "123", "4", 1, state), 6);
}

struct CellCase {
  const char* name;
  const char* top;
  const char* bottom;
  int32_t width;
  std::vector<std::string> ops;
};

void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }

class DrawCellFractionTest : public ::testing::TestWithParam<CellCase> {};

#define CELL " [ＭＳ Ｐゴシック 8 #808080]"

TEST_P(DrawCellFractionTest, StacksInTheCellTextArea) {
  const CellCase& c = GetParam();
  RecordingCanvas canvas(367, 65);
  canvas.SetFontSize(8);
  canvas.SetFontColor(0x808080);
  canvas.SetPenColor(0x808080);
  EXPECT_EQ(DrawCellFraction(canvas, c.top, c.bottom, 100, 200), c.width);
  EXPECT_EQ(canvas.ops, c.ops);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DrawCellFractionTest,
    ::testing::Values(
        CellCase{"EqualWidths",
                 "12",
                 "35",
                 2,
                 {"MoveTo 100,220", "LineTo 110,220 pen #808080 w2", "Text 100,205 12" CELL,
                  "Text 100,224 35" CELL}},
        CellCase{"NegativeShiftsPastTheMinus",
                 "-1",
                 "12",
                 2,
                 {"Text 100,217 -" CELL, "MoveTo 112,220", "LineTo 122,220 pen #808080 w2",
                  "Text 112,205 1" CELL, "Text 108,224 12" CELL}},
        CellCase{"NarrowNumeratorCentred",
                 "3",
                 "12",
                 2,
                 {"MoveTo 104,220", "LineTo 114,220 pen #808080 w2", "Text 104,205 3" CELL,
                  "Text 100,224 12" CELL}},
        CellCase{"NarrowDenominatorCentred",
                 "-12",
                 "5",
                 2,
                 {"Text 100,217 -" CELL, "MoveTo 108,220", "LineTo 118,220 pen #808080 w2",
                  "Text 108,205 12" CELL, "Text 112,224 5" CELL}},
        CellCase{"Integer", "-6", "", 2, {"Text 100,216 -6" CELL}},
        CellCase{"EmptyTop", "", "5", 0, {}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
