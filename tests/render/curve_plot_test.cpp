#include "render/curve_plot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "render/coordinate_plane.h"
#include "support/core/recording_canvas.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr TColor kCurveColor = 0x0000FF;
const std::string kPen = " pen #0000FF w1";
const std::string kDotStyle = " pen #0000FF w1 brush #0000FF";

PlaneGeometry Plane(const char* startX = "-99", int32_t spacing = 16) {
  PlaneSettings s;
  s.edtSizeX = "384";
  s.edtSizeY = "384";
  s.edtStartX = startX;
  s.DX = spacing;
  s.DY = spacing;
  return ComputePlaneGeometry(s, s, 544);
}

TLineData Curve(int32_t x1, int32_t y1, int32_t mode = kModeWhole, int32_t start = kOpenLeft,
                int32_t end = kOpenRight) {
  TLineData c;
  c.X1 = x1;
  c.Y1 = y1;
  c.LMode = mode;
  c.LWidth = 1;
  c.Color = kCurveColor;
  c.IncStart = true;
  c.IncEnd = false;
  c.HenikiStart = start;
  c.HenikiEnd = end;
  return c;
}

std::string Dot(int32_t x, int32_t y) {
  return "Rectangle " + std::to_string(x - 1) + "," + std::to_string(y - 1) + "," +
         std::to_string(x + 1) + "," + std::to_string(y + 1) + kDotStyle;
}

std::string Line(int32_t x, int32_t y) {
  return "LineTo " + std::to_string(x) + "," + std::to_string(y) + kPen;
}

std::vector<std::string> Slice(const std::vector<std::string>& ops, size_t from, size_t count) {
  from = std::min(from, ops.size());
  return {ops.begin() + static_cast<std::ptrdiff_t>(from),
          ops.begin() + static_cast<std::ptrdiff_t>(std::min(ops.size(), from + count))};
}

size_t CountPrefix(const std::vector<std::string>& ops, const std::string& prefix) {
  return static_cast<size_t>(std::count_if(
      ops.begin(), ops.end(), [&](const std::string& op) { return op.rfind(prefix, 0) == 0; }));
}

TEST(SamplingFor, TableSpacingsAndTheSamePixelStepForOthers) {
  EXPECT_EQ(SamplingFor(4).first, 0.6);
  EXPECT_EQ(SamplingFor(4).step, 1.2);
  EXPECT_EQ(SamplingFor(8).first, 0.4);
  EXPECT_EQ(SamplingFor(8).step, 0.8);
  EXPECT_EQ(SamplingFor(16).first, 0.2);
  EXPECT_EQ(SamplingFor(16).step, 0.4);
  for (int32_t dx = 5; dx <= 32; ++dx) {
    if (dx == 8 || dx == 16) continue;
    const TraceSampling s = SamplingFor(dx);
    EXPECT_NEAR(s.step * dx, dx < 8 ? 4.8 : 6.4, 1e-12) << dx;
    EXPECT_DOUBLE_EQ(s.first, s.step / 2) << dx;
  }
}

TEST(DrawRightBranch, WholeBranchStartsAtTheAsymptoteAndHasNoDots) {
  RecordingCanvas canvas;
  EditorState state;
  DrawRightBranch(canvas, Plane(), 0, kOpenRight, Curve(1, 2), state);
  EXPECT_THAT(Slice(canvas.ops, 0, 4),
              ElementsAre("MoveTo 192,-807", Line(195, 32), Line(202, 139), Line(208, 160)));
  EXPECT_EQ(CountPrefix(canvas.ops, "LineTo"), 200u);  // the sample limit
  EXPECT_EQ(CountPrefix(canvas.ops, "Rectangle"), 0u);
}

TEST(DrawLeftBranch, WholeBranchStartsBelowTheAxisForPositiveConstants) {
  RecordingCanvas canvas;
  EditorState state;
  DrawLeftBranch(canvas, Plane(), kOpenLeft, 0, Curve(1, 2), state);
  EXPECT_THAT(Slice(canvas.ops, 0, 3),
              ElementsAre("MoveTo 192,1191", Line(189, 352), Line(182, 245)));
  RecordingCanvas negative;
  DrawLeftBranch(negative, Plane(), kOpenLeft, 0, Curve(-1, 2), state);
  EXPECT_EQ(negative.ops.front(), "MoveTo 192,-807");
}

TEST(DrawLine, SegmentOnThePositiveSide) {
  RecordingCanvas canvas;
  EditorState state;
  DrawLine(canvas, Plane(), Curve(1, 2, kModeSegment, 1, 4), false, state);
  const auto& ops = canvas.ops;
  // Dots before the start, then solid from exactly (1, 2) to exactly (4, 0.5).
  EXPECT_THAT(
      Slice(ops, 0, 6),
      ElementsAre("Rectangle 194,31,196,33" + kDotStyle, "Rectangle 201,138,203,140" + kDotStyle,
                  "MoveTo 208,160", Line(208, 160), Line(214, 169), Line(221, 174)));
  const auto lastLine = std::find(ops.begin(), ops.end(), Line(256, 184));
  ASSERT_NE(lastLine, ops.end());
  // Trailing dots from 4.2 up to the right edge at 12: 20 of them.
  const auto afterLine = static_cast<size_t>(lastLine - ops.begin()) + 1;
  EXPECT_EQ(ops[afterLine], Dot(259, 184));
  EXPECT_EQ(CountPrefix(Slice(ops, afterLine, 20), "Rectangle"), 20u);
  // Then the whole left branch as dots (the sample limit) and the two end circles.
  EXPECT_EQ(CountPrefix(ops, "Rectangle"), 2u + 20u + 200u);
  EXPECT_EQ(CountPrefix(ops, "MoveTo"), 1u);
  EXPECT_THAT(canvas.Ops("Ellipse"),
              ElementsAre("Ellipse 203,155,213,165 pen #0000FF w1 brush #0000FF",
                          "Ellipse 251,179,261,189 pen #0000FF w1 brush #FFFFFF"));
}

TEST(DrawLine, SegmentAcrossTheAxis) {
  for (const bool tensen : {true, false}) {
    RecordingCanvas canvas;
    EditorState state;
    state.TensenFlag = tensen;
    DrawLine(canvas, Plane(), Curve(1, 2, kModeSegment, -3, 2), false, state);
    const auto& ops = canvas.ops;
    ASSERT_EQ(ops[0], "MoveTo 192,1191");
    // Left: samples -0.2 … -3.0 solid; the exact end (-3, -2/3) only without the dotted option.
    EXPECT_EQ(ops[8], Line(144, 203));
    const size_t left = tensen ? 9 : 10;
    if (!tensen) {
      EXPECT_EQ(ops[9], Line(144, 203));
    }
    EXPECT_EQ(ops[left], Dot(138, 201));  // first dot at -3.4
    EXPECT_EQ(CountPrefix(Slice(ops, left, 22), "Rectangle"), 22u);
    EXPECT_EQ(ops[left + 22], "MoveTo 192,-807");
    EXPECT_EQ(ops[left + 28], Line(224, 176));  // the right end, met exactly
    EXPECT_EQ(CountPrefix(ops, "Rectangle"), 22u + 25u);
    EXPECT_THAT(canvas.Ops("Ellipse"),
                ElementsAre("Ellipse 139,198,149,208 pen #0000FF w1 brush #0000FF",
                            "Ellipse 219,171,229,181 pen #0000FF w1 brush #FFFFFF"));
  }
}

TEST(DrawLine, RightHalfLineFromANegativeStart) {
  RecordingCanvas canvas;
  EditorState state;
  DrawLine(canvas, Plane(), Curve(1, 2, kModeRight, -2, kOpenRight), false, state);
  const auto& ops = canvas.ops;
  EXPECT_EQ(ops[0], "MoveTo 192,-807");  // the right branch, solid whole
  EXPECT_EQ(ops[201], "MoveTo 192,1191");
  EXPECT_EQ(CountPrefix(Slice(ops, 202, 5), "LineTo"), 5u);  // -0.2 … -1.8
  EXPECT_EQ(ops[207], Dot(157, 207));                        // -2.2 onward dotted
  EXPECT_EQ(CountPrefix(ops, "Rectangle"), 25u);
  EXPECT_THAT(canvas.Ops("Ellipse"),
              ElementsAre("Ellipse 155,203,165,213 pen #0000FF w1 brush #0000FF"));
}

TEST(DrawLine, ModesChooseWhichBranchIsDotted) {
  struct Case {
    const char* name;
    TLineData curve;
    size_t moves, dots, ellipses;
  } cases[] = {
      {"Whole", Curve(1, 2), 2, 0, 0},
      {"SegmentNegative", Curve(1, 2, kModeSegment, -4, -1), 1, 200 + 2 + 20, 2},
      {"RightFromPositive", Curve(1, 2, kModeRight, 3, kOpenRight), 1, 200 + 7, 1},
      {"LeftToNegative", Curve(1, 2, kModeLeft, kOpenLeft, -3), 1, 200 + 7, 1},
      {"LeftToPositive", Curve(1, 2, kModeLeft, kOpenLeft, 3), 2, 22, 1},
      {"SegmentFromZero", Curve(1, 2, kModeSegment, 0, 4), 2, 30 + 20, 2},
      {"UnknownMode", Curve(1, 2, 7), 0, 0, 0},
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    EditorState state;
    DrawLine(canvas, Plane(), c.curve, false, state);
    EXPECT_EQ(CountPrefix(canvas.ops, "MoveTo"), c.moves) << c.name;
    EXPECT_EQ(CountPrefix(canvas.ops, "Rectangle"), c.dots) << c.name;
    EXPECT_EQ(CountPrefix(canvas.ops, "Ellipse"), c.ellipses) << c.name;
  }
}

TEST(DrawLine, TrailingDotsRunToThePlanesEdge) {
  RecordingCanvas canvas;
  EditorState state;
  DrawRightBranch(canvas, Plane("-2"), 1, 4, Curve(1, 2), state);
  // From 4.2 up to the right edge at 22 instead of stopping at the middle of the plane.
  EXPECT_EQ(CountPrefix(canvas.ops, "Rectangle"), 2u + 45u);
}

TEST(DrawLine, SelectedCurvesGetBothHandles) {
  RecordingCanvas canvas;
  EditorState state;
  state.LineWidth = 2;
  DrawLine(canvas, Plane(), Curve(2, 3), true, state);
  EXPECT_THAT(canvas.Ops("Rectangle"),
              ElementsAre("Rectangle 219,139,229,149 pen #000000 w2 brush none",
                          "Rectangle 155,235,165,245 pen #000000 w2 brush none"));
  state.Options.chkHandle = false;
  RecordingCanvas without;
  DrawLine(without, Plane(), Curve(2, 3), true, state);
  EXPECT_THAT(without.Ops("Rectangle"), IsEmpty());
  RecordingCanvas unknown;
  state.Options.chkHandle = true;
  DrawLine(unknown, Plane(), Curve(2, 3, 9), true, state);
  EXPECT_EQ(unknown.ops.size(), 2u);
}

TEST(DrawLine, SelectionOverlayOnlyInNotXorForThinCurves) {
  EditorState state;
  RecordingCanvas copy;
  DrawLine(copy, Plane(), Curve(2, 3), true, state);
  EXPECT_EQ(CountPrefix(copy.ops, "Rectangle 2"), 1u);  // handle only

  RecordingCanvas notXor;
  notXor.SetPenMode(PenMode::NotXor);
  DrawLine(notXor, Plane(), Curve(2, 3), true, state);
  // Dots over the domain's length: 24 units at 0.4 → 61 samples a side.
  EXPECT_EQ(CountPrefix(notXor.ops, "Rectangle"), 2u * 61u + 2u);

  RecordingCanvas thick;
  thick.SetPenMode(PenMode::NotXor);
  TLineData wide = Curve(2, 3);
  wide.LWidth = 2;
  DrawLine(thick, Plane(), wide, true, state);
  EXPECT_EQ(CountPrefix(thick.ops, "Rectangle"), 2u);
}

TEST(DrawLine, DraggingTracesTheWholeCurveWithTheHeldHandle) {
  EditorState state;
  state.DragMode = 2;
  state.DragSecond = true;
  RecordingCanvas canvas;
  DrawLine(canvas, Plane(), Curve(2, 3, kModeSegment, 1, 4), false, state);
  const auto& ops = canvas.ops;
  // k = -3/4: step 0.4; the trace takes its length from the domain, 3 units: 9 samples a side.
  ASSERT_EQ(ops.size(), 2u + 2u * 9u + 1u);
  EXPECT_EQ(ops[0], "MoveTo 194,-768");
  EXPECT_EQ(ops[1], Line(194, -768));
  EXPECT_EQ(ops[2], Line(200, 0));  // x = 0.5: 8 px right; y = 12: 192 rows up
  EXPECT_EQ(ops[10], "MoveTo 190,1152");
  EXPECT_EQ(ops.back(), "Rectangle 155,235,165,245 pen #000000 w1 brush none");

  TLineData steep = Curve(1, 2);  // k = -2: step 0.1 over 24 units, 241 samples a side
  RecordingCanvas steepCanvas;
  state.DragSecond = false;
  DrawLine(steepCanvas, Plane(), steep, false, state);
  EXPECT_EQ(CountPrefix(steepCanvas.ops, "LineTo"), 2u * 241u);
  EXPECT_EQ(steepCanvas.ops.back(), "Rectangle 203,155,213,165 pen #000000 w1 brush none");
}

TEST(DrawLine, PreviewWholeIsClearedOnlyForSegments) {
  EditorState state;
  state.PreviewWhole = true;
  RecordingCanvas segment;
  DrawLine(segment, Plane(), Curve(2, 3, kModeSegment, 1, 4), false, state);
  EXPECT_FALSE(state.PreviewWhole);
  EXPECT_EQ(CountPrefix(segment.ops, "Rectangle"), 2u * 9u);
  EXPECT_EQ(CountPrefix(segment.ops, "Ellipse"), 0u);

  state.PreviewWhole = true;
  RecordingCanvas half;
  DrawLine(half, Plane(), Curve(2, 3, kModeRight, 1, kOpenRight), false, state);
  EXPECT_TRUE(state.PreviewWhole);
  EXPECT_EQ(CountPrefix(half.ops, "Rectangle"), 2u * 29u);  // 1 … 12: 11 units

  // Without the dotted option the preview shows nothing, and never a chord across the plane.
  state.TensenFlag = false;
  RecordingCanvas none;
  DrawLine(none, Plane(), Curve(2, 3, kModeSegment, 1, 4), false, state);
  EXPECT_EQ(CountPrefix(none.ops, "LineTo"), 0u);
  EXPECT_EQ(CountPrefix(none.ops, "Rectangle"), 0u);
}

TEST(DrawWholeTrace, NothingWhenTheSecondPointSharesARowOrColumn) {
  EditorState state;
  TLineData c = Curve(2, 3);
  c.X2 = 2;
  RecordingCanvas canvas;
  DrawWholeTrace(canvas, Plane(), kOpenLeft, kOpenRight, false, c, state);
  EXPECT_THAT(canvas.ops, IsEmpty());
}

TEST(DrawEndMark, RadiusZeroHasNoExtent) {
  EditorState state;
  state.MaruRadius = 0;
  RecordingCanvas canvas;
  DrawEndMark(canvas, Plane(), 2, Curve(2, 3), true, state);
  EXPECT_THAT(canvas.ops, ElementsAre("Ellipse 224,144,224,144 pen #0000FF w1 brush #0000FF"));
}

TEST(DrawLatticeMarks, DotsWhereTheValueIsAWholeNumber) {
  EditorState state;
  RecordingCanvas off;
  DrawLatticeMarks(off, Plane(), Curve(2, 3), state);
  EXPECT_THAT(off.ops, IsEmpty());

  state.Options.chkMaruX = true;
  RecordingCanvas canvas;
  const PlaneGeometry g = Plane();
  DrawLatticeMarks(canvas, g, Curve(2, 3), state);
  std::set<int32_t> xs;
  for (const std::string& op : canvas.Ops("Ellipse")) {
    int32_t left = 0, top = 0;
    ASSERT_EQ(std::sscanf(op.c_str(), "Ellipse %d,%d", &left, &top), 2);
    const LatticePoint p = g.PixelToLattice(left + 4, top + 4);
    EXPECT_EQ(p.x * p.y, 6);
    EXPECT_NE(op.find(" w2 brush #0000FF"), std::string::npos) << op;
    xs.insert(p.x);
  }
  EXPECT_EQ(xs, (std::set<int32_t>{-6, -3, -2, -1, 1, 2, 3, 6}));
  EXPECT_EQ(canvas.penWidth(), 1);

  RecordingCanvas segment;  // the ends carry end marks, not lattice marks
  DrawLatticeMarks(segment, g, Curve(2, 3, kModeSegment, 1, 6), state);
  EXPECT_EQ(segment.Ops("Ellipse").size(), 2u);
}

TEST(DrawCutMark, CrossOfTwoDiagonals) {
  RecordingCanvas canvas;
  TLineData c = Curve(2, 3);
  c.LWidth = 3;
  DrawCutMark(canvas, Plane(), 2, c);
  EXPECT_THAT(canvas.ops, ElementsAre("MoveTo 218,138", "LineTo 230,150 pen #0000FF w2",
                                      "MoveTo 230,138", "LineTo 218,150 pen #0000FF w2"));
  EXPECT_EQ(canvas.penWidth(), 3);
}

TEST(DrawPointMark, CircleForDomainModesSquareForWholeCurves) {
  EditorState state;
  state.LineMode = kModeSegment;
  RecordingCanvas circle;
  DrawPointMark(circle, Plane(), {3, -1}, 0x00FF00, state);
  EXPECT_THAT(circle.ops, ElementsAre("Ellipse 235,203,245,213 pen #00FF00 w1 brush #00FF00"));
  state.LineMode = kModeWhole;
  RecordingCanvas square;
  DrawPointMark(square, Plane(), {3, -1}, 0x00FF00, state);
  EXPECT_THAT(square.ops, ElementsAre("Rectangle 235,203,245,213 pen #00FF00 w1 brush #00FF00"));
  state.Options.chkHandle = false;
  RecordingCanvas none;
  DrawPointMark(none, Plane(), {3, -1}, 0x00FF00, state);
  EXPECT_THAT(none.ops, IsEmpty());
}

TEST(DrawWholeLine, IgnoresDomainAndSelection) {
  EditorState state;
  RecordingCanvas whole;
  RecordingCanvas reference;
  DrawWholeLine(whole, Plane(), Curve(2, 3, kModeSegment, 1, 4), state);
  TLineData asWhole = Curve(2, 3, kModeSegment, kOpenLeft, kOpenRight);
  DrawLine(reference, Plane(), asWhole, false, state);
  EXPECT_EQ(whole.ops, reference.ops);
  EXPECT_EQ(CountPrefix(whole.ops, "Rectangle 2"), 0u);
}

// Curves no editor makes but a file can hold: overflowing constants, far domain ends. They
// must draw in bounded time without undefined behaviour.
TEST(DrawLine, ExtremeCurvesStayBounded) {
  const TLineData cases[] = {
      Curve(INT32_MIN, -1),
      Curve(46341, 46341, kModeSegment, INT32_MIN, INT32_MAX),
      Curve(INT32_MAX, INT32_MAX, kModeRight, INT32_MIN, kOpenRight),
      Curve(3, 1, kModeLeft, kOpenLeft, INT32_MAX),
      Curve(1, 1, kModeSegment, 98, 99),
  };
  for (const TLineData& base : cases) {
    for (const int32_t spacing : {4, 7, 16, 32}) {
      TLineData c = base;
      c.X2 = INT32_MAX;
      c.Y2 = INT32_MIN;
      EditorState state;
      state.Options.chkMaruX = true;
      RecordingCanvas canvas;
      canvas.SetPenMode(PenMode::NotXor);
      DrawLine(canvas, Plane("-99", spacing), c, true, state);
      DrawLatticeMarks(canvas, Plane("-99", spacing), c, state);
      state.DragMode = 2;
      DrawLine(canvas, Plane("-99", spacing), c, true, state);
      EXPECT_LT(canvas.ops.size(), 20000u);
    }
  }
}

}  // namespace
