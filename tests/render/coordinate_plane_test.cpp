#include "render/coordinate_plane.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/core/recording_canvas.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

PlaneSettings Plane384() {
  PlaneSettings s;
  s.edtSizeX = "384";
  s.edtSizeY = "384";
  return s;
}

EditorState State() {
  EditorState state;
  state.MaxCoodSize = 544;
  return state;
}

// The grid lines as "MoveTo a,b|LineTo c,d pen ..." pairs, in drawing order.
std::vector<std::string> Lines(const RecordingCanvas& canvas) {
  std::vector<std::string> lines;
  std::string move;
  for (const std::string& op : canvas.ops) {
    if (op.rfind("MoveTo", 0) == 0) move = op;
    if (op.rfind("LineTo", 0) == 0) lines.push_back(move + "|" + op);
  }
  return lines;
}

// Texts without their font part.
std::vector<std::string> Texts(const RecordingCanvas& canvas) {
  std::vector<std::string> out;
  for (const std::string& op : canvas.Ops("Text")) out.push_back(op.substr(0, op.find(" [")));
  return out;
}

TEST(DrawCood, SizesClearsAndReturnsTheGeometry) {
  RecordingCanvas canvas(10, 10);
  const PlaneGeometry g = DrawCood(canvas, Plane384(), State());
  EXPECT_EQ(canvas.ops[0], "Resize 384,384");
  EXPECT_EQ(canvas.ops[1], "Fill 0,0,384,384 #FFFFFF");
  EXPECT_EQ(g.OriginX, 192);
  EXPECT_EQ(g.OriginY, 192);
  EXPECT_EQ(canvas.GetPenMode(), PenMode::Copy);
  EXPECT_EQ(canvas.fontName(), kFontPGothic);
  EXPECT_FALSE(canvas.fontItalic());
}

TEST(DrawCood, GridLinesTakeTheirColourAndWidthFromTheirValue) {
  RecordingCanvas canvas;
  DrawCood(canvas, Plane384(), State());
  const auto lines = Lines(canvas);
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_EQ(lines[0], "MoveTo 0,384|LineTo 0,0 pen #C0C0C0 w1");       // x = -12
  EXPECT_EQ(lines[2], "MoveTo 32,384|LineTo 32,0 pen #808080 w1");     // x = -10
  EXPECT_EQ(lines[11], "MoveTo 176,384|LineTo 176,0 pen #C0C0C0 w1");  // x = -1
  EXPECT_EQ(lines[12], "MoveTo 192,384|LineTo 192,0 pen #808080 w2");  // the y axis
  EXPECT_EQ(lines[24], "MoveTo 383,384|LineTo 383,0 pen #C0C0C0 w1");  // right border, inside
  EXPECT_EQ(lines[25], "MoveTo 0,383|LineTo 384,383 pen #C0C0C0 w1");  // bottom border, inside
  EXPECT_EQ(lines[37], "MoveTo 0,192|LineTo 384,192 pen #808080 w2");  // the x axis
  EXPECT_EQ(lines[49], "MoveTo 0,0|LineTo 384,0 pen #C0C0C0 w1");      // top border
}

TEST(DrawCood, AxisColourOffUsesNavyAndRed) {
  RecordingCanvas canvas;
  EditorState state = State();
  state.Options.chkJikuColor = false;
  DrawCood(canvas, Plane384(), state);
  const auto lines = Lines(canvas);
  EXPECT_EQ(lines[2], "MoveTo 32,384|LineTo 32,0 pen #800000 w1");
  EXPECT_EQ(lines[12], "MoveTo 192,384|LineTo 192,0 pen #0000FF w2");
}

TEST(DrawCood, SmallPlaneBordersAreFiveLines) {
  RecordingCanvas canvas;
  PlaneSettings s = Plane384();
  s.edtSizeX = "160";
  s.edtSizeY = "160";
  DrawCood(canvas, s, State());
  const auto lines = Lines(canvas);
  ASSERT_EQ(lines.size(), 22u);
  EXPECT_EQ(lines[0], "MoveTo 0,160|LineTo 0,0 pen #808080 w1");
  EXPECT_EQ(lines[10], "MoveTo 159,160|LineTo 159,0 pen #808080 w1");
  EXPECT_EQ(lines[11], "MoveTo 0,159|LineTo 160,159 pen #808080 w1");
}

TEST(DrawCood, ScaleNumbersAndLettersOfTheDefaults) {
  RecordingCanvas canvas;
  DrawCood(canvas, Plane384(), State());
  EXPECT_THAT(Texts(canvas), ElementsAre("Text 167,353 -10", "Text 167,273  -5", "Text 167,113   5",
                                         "Text 167,33  10", "Text 7,193 -10", "Text 87,193  -5",
                                         "Text 167,193   0", "Text 247,193   5", "Text 327,193  10",
                                         "Text 364,187 x", "Text 175,1 y"));
  const auto texts = canvas.Ops("Text");
  EXPECT_EQ(texts.front(), "Text 167,353 -10 [ＭＳ Ｐゴシック 12 #000000]");
  EXPECT_EQ(texts[9], "Text 364,187 x [Bookman Old Style 18 italic #000000]");
  EXPECT_EQ(texts[10], "Text 175,1 y [Bookman Old Style 18 italic #000000]");
}

TEST(DrawCood, NumberFontFollowsTheSpacing) {
  struct Case {
    int32_t spacing;
    const char* size;
  } cases[] = {{4, " 8 #"}, {8, " 10 #"}, {16, " 12 #"}, {12, " 14 #"}};
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    PlaneSettings s = Plane384();
    s.DX = c.spacing;
    s.DY = c.spacing;
    DrawCood(canvas, s, State());
    const auto texts = canvas.Ops("Text");
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.front().find(c.size), std::string::npos) << texts.front();
  }
}

TEST(DrawCood, NumberChoices) {
  struct Case {
    const char* name;
    void (*change)(PlaneSettings&);
    std::vector<std::string> xNumbers;  // texts written on the x axis row
  } cases[] = {
      {"ScaleEnd3", [](PlaneSettings& s) { s.edtEndX = "3"; }, {"-10", " -5", "  0"}},
      {"StepZero", [](PlaneSettings& s) { s.spnScaleNumberX = 0; }, {}},
      {"StartZero", [](PlaneSettings& s) { s.edtStartX = "0"; }, {"  5", " 10", " 15", " 20"}},
      {"StepThree",
       [](PlaneSettings& s) { s.spnScaleNumberX = 3; },
       {" -9", " -6", " -3", "  0", "  3", "  6", "  9"}},
  };
  for (const Case& c : cases) {
    PlaneSettings s = Plane384();
    c.change(s);
    RecordingCanvas canvas;
    const PlaneGeometry g = DrawCood(canvas, s, State());
    std::vector<std::string> xs;
    const std::string row = "," + std::to_string(g.OriginY + 1) + " ";
    for (const std::string& t : Texts(canvas)) {
      const auto at = t.find(row);
      if (at != std::string::npos) xs.push_back(t.substr(at + row.size()));
    }
    EXPECT_EQ(xs, c.xNumbers) << c.name;
  }
}

TEST(DrawCood, SwitchesLeaveOutNumbersLettersOrEverything) {
  PlaneSettings noNumbers = Plane384();
  noNumbers.chkMemori = false;
  RecordingCanvas a;
  DrawCood(a, noNumbers, State());
  EXPECT_THAT(Texts(a), ElementsAre("Text 364,187 x", "Text 175,1 y"));

  PlaneSettings noLetters = Plane384();
  noLetters.chkXY = false;
  RecordingCanvas b;
  DrawCood(b, noLetters, State());
  EXPECT_EQ(Texts(b).size(), 9u);

  PlaneSettings nothing = Plane384();
  nothing.chkZahyou = false;
  RecordingCanvas c;
  DrawCood(c, nothing, State());
  EXPECT_THAT(c.ops, ElementsAre("Resize 384,384", "Fill 0,0,384,384 #FFFFFF"));
}

TEST(DrawCood, LabelShiftFollowsTheFontSizeSetting) {
  PlaneSettings s = Plane384();
  s.spnFontSize = 8;  // shift -1.1 units: -17.6 pixels, rounded to -18
  RecordingCanvas canvas;
  DrawCood(canvas, s, State());
  EXPECT_EQ(Texts(canvas).front(), "Text 173,353 -10");
}

TEST(DrawCood, PastedBitmapKeepsThePictureButTakesTheNewGeometry) {
  EditorState state = State();
  state.BitmapPasted = true;
  PlaneSettings s = Plane384();
  s.edtStartX = "-2";
  RecordingCanvas canvas(544, 544);
  const PlaneGeometry g = DrawCood(canvas, s, state);
  EXPECT_THAT(canvas.ops, IsEmpty());
  EXPECT_EQ(canvas.Width(), 544);
  EXPECT_EQ(g.StartX, -2);
  EXPECT_EQ(g.PixelToLattice(0, 0), (LatticePoint{-2, 12}));

  // The practice and preview planes are drawn all the same.
  RecordingCanvas practice(544, 544);
  DrawCood2(practice, PlaneSettings{}, s, state);
  EXPECT_FALSE(practice.Ops("LineTo").empty());
}

TEST(DrawCood, TypedSizeKeepsGridAndMappingTogether) {
  PlaneSettings s = Plane384();
  s.edtSizeX = "170";
  s.edtSizeY = "171";
  RecordingCanvas canvas;
  const PlaneGeometry g = DrawCood(canvas, s, State());
  const auto lines = Lines(canvas);
  // The y axis is the sixth vertical line, the x axis the sixth horizontal one.
  const PixelPoint origin = g.LatticeToPixel(0, 0);
  EXPECT_EQ(lines[5], "MoveTo " + std::to_string(origin.x) + ",166|LineTo " +
                          std::to_string(origin.x) + ",5 pen #808080 w2");
  EXPECT_EQ(lines[16], "MoveTo 5," + std::to_string(origin.y) + "|LineTo 165," +
                           std::to_string(origin.y) + " pen #808080 w2");
}

TEST(DrawCood2, DiffersInColoursWidthsBordersModeAndFonts) {
  PlaneSettings main = Plane384();
  PlaneSettings second;
  second.spnFontSize = 9;
  second.DX = 8;
  second.DY = 8;
  second.edtSizeX = "160";  // ignored: the size comes from the main settings
  RecordingCanvas canvas;
  const PlaneGeometry g = DrawCood2(canvas, second, main, State());
  EXPECT_EQ(g.CoodWidth, 384);
  EXPECT_EQ(g.UnitsX, 48);
  EXPECT_EQ(canvas.ops[0], "Resize 384,384");
  const auto lines = Lines(canvas);
  ASSERT_EQ(lines.size(), 98u);
  EXPECT_EQ(lines[4], "MoveTo 32,384|LineTo 32,0 pen #800000 w1");     // x = -20
  EXPECT_EQ(lines[24], "MoveTo 192,384|LineTo 192,0 pen #0000FF w1");  // y axis, thin
  EXPECT_EQ(lines[48], "MoveTo 384,384|LineTo 384,0 pen #C0C0C0 w1");  // border not moved
  EXPECT_EQ(lines[49], "MoveTo 0,384|LineTo 384,384 pen #C0C0C0 w1");
  EXPECT_EQ(lines[73], "MoveTo 0,192|LineTo 384,192 pen #0000FF w1 notxor");  // x axis
  EXPECT_EQ(lines[74], "MoveTo 0,184|LineTo 384,184 pen #C0C0C0 w1");
  const auto texts = canvas.Ops("Text");
  EXPECT_EQ(texts.front(), "Text 181,353 -20 [ＭＳ Ｐゴシック 9 #000000]");
  EXPECT_EQ(texts[texts.size() - 2], "Text 376,188 x [Bookman Old Style 14 italic #000000]");

  EditorState state = State();
  state.Options.chkJikuColor = false;
  RecordingCanvas grey;
  DrawCood2(grey, second, main, state);
  EXPECT_EQ(Lines(grey)[24], "MoveTo 192,384|LineTo 192,0 pen #808080 w1");

  main.chkXY = false;  // letters follow the main settings
  RecordingCanvas noLetters;
  DrawCood2(noLetters, second, main, State());
  EXPECT_EQ(noLetters.Ops("Text").size(), texts.size() - 2);
}

TEST(TextAt, PutsTheTopLeftJustBesideThePlaneValue) {
  PlaneGeometry g;
  g.DX = 16;
  g.DY = 8;
  g.OriginX = 100;
  g.OriginY = 50;
  RecordingCanvas canvas;
  TextAt(canvas, g, "A", 1.5, -2.0625);  // 24 px right, 16.5 rows down rounds to 16
  EXPECT_EQ(Texts(canvas).front(), "Text 123,67 A");
}

TEST(ScaleNumberText, PadsToThreeCharacters) {
  EXPECT_EQ(ScaleNumberText(5), "  5");
  EXPECT_EQ(ScaleNumberText(-5), " -5");
  EXPECT_EQ(ScaleNumberText(-10), "-10");
  EXPECT_EQ(ScaleNumberText(1234), "1234");
}

}  // namespace
