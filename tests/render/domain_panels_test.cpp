#include "render/domain_panels.h"

#include <gtest/gtest.h>

#include "model/cp932.h"
#include "model/domain_text.h"
#include "render/math_text.h"
#include "support/core/recording_canvas.h"

namespace {

#define GOTHIC " [ＭＳ Ｐゴシック 14 #FFFFFF]"
#define ITALIC " [Bookman Old Style 14 italic #FFFFFF]"

struct Panels {
  RecordingCanvas x{347, 73};
  RecordingCanvas y{347, 73};
  RecordingCanvas teisuu{161, 65};
  DomainPanels panels{x, y, teisuu};
};

TLineData Curve(int32_t x1, int32_t y1, int32_t mode = kModeWhole, int32_t start = 0,
                int32_t end = 0) {
  TLineData curve;
  curve.X1 = x1;
  curve.Y1 = y1;
  curve.LMode = mode;
  curve.HenikiStart = start;
  curve.HenikiEnd = end;
  curve.IncStart = true;
  curve.IncEnd = true;
  return curve;
}

// The editor's state as it starts (a named object: g++ 12 at -O3 misreads temporaries of it).
const EditorState& DefaultState() {
  static const EditorState state;
  return state;
}

// What DrawMathText alone makes of a text on a canvas of that size.
std::vector<std::string> MathOps(const std::string& cp932, int32_t w, int32_t h) {
  RecordingCanvas canvas(w, h);
  DrawMathText(canvas, cp932, DefaultState());
  return canvas.ops;
}

TEST(ShowHeniki, WholeCurveShowsBothHalfLinesAndTheNote) {
  Panels p;
  ShowHeniki(p.panels, Curve(2, 3), DefaultState());
  EXPECT_EQ(p.x.ops, (std::vector<std::string>{
                         "Fill 0,0,347,73 #808000", "Text 7,20  " GOTHIC, "Text 21,20 x" ITALIC,
                         "Text 35,20  " GOTHIC, "Text 49,20 ＜" GOTHIC, "Text 70,20  " GOTHIC,
                         "Text 84,20 0" GOTHIC, "Text 98,20 ," GOTHIC, "Text 112,20  " GOTHIC,
                         "Text 126,20 0" GOTHIC, "Text 140,20  " GOTHIC, "Text 154,20 ＜" GOTHIC,
                         "Text 175,20  " GOTHIC, "Text 189,20 x" ITALIC,
                         "Text 1,48 （０を除くすべての数）" GOTHIC}));
  EXPECT_EQ(p.y.ops, (std::vector<std::string>{
                         "Fill 0,0,347,73 #808000", "Text 7,20  " GOTHIC, "Text 21,18 y" ITALIC,
                         "Text 35,20  " GOTHIC, "Text 49,20 ＜" GOTHIC, "Text 70,20  " GOTHIC,
                         "Text 84,20 0" GOTHIC, "Text 98,20 ," GOTHIC, "Text 112,20  " GOTHIC,
                         "Text 126,20 0" GOTHIC, "Text 140,20  " GOTHIC, "Text 154,20 ＜" GOTHIC,
                         "Text 175,20  " GOTHIC, "Text 189,18 y" ITALIC,
                         "Text 1,48 （０を除くすべての数）" GOTHIC}));
  EXPECT_EQ(p.teisuu.ops,
            (std::vector<std::string>{"Fill 0,0,161,65 #808000", "Text 7,20 6" GOTHIC}));
}

TEST(ShowHeniki, RestrictedCurveShowsItsDomainRangeAndConstant) {
  for (const int32_t mode : {kModeSegment, kModeRight, kModeLeft}) {
    Panels p;
    const TLineData curve = mode == kModeSegment ? Curve(-2, 3, mode, -3, -1)
                            : mode == kModeRight ? Curve(-2, 3, mode, 2, 99)
                                                 : Curve(-2, 3, mode, -99, -4);
    ShowHeniki(p.panels, curve, DefaultState());
    EXPECT_EQ(p.x.ops, MathOps(XDomainText(curve), 347, 73)) << "mode " << mode;
    EXPECT_EQ(p.y.ops, MathOps(YRangeText(curve), 347, 73)) << "mode " << mode;
    // The constant -6 as a decimal: the minus on its own, then the digits.
    EXPECT_EQ(p.teisuu.Ops("Text"),
              (std::vector<std::string>{"Text 7,20 -" GOTHIC, "Text 21,20 6" GOTHIC}));
  }
}

TEST(ShowHeniki, UnknownModeClearsThePanelsButShowsTheConstant) {
  for (const int32_t mode : {-1, 4, INT32_MIN}) {
    Panels p;
    ShowHeniki(p.panels, Curve(2, 3, mode), DefaultState());
    EXPECT_EQ(p.x.ops, std::vector<std::string>{"Fill 0,0,347,73 #808000"});
    EXPECT_EQ(p.y.ops, std::vector<std::string>{"Fill 0,0,347,73 #808000"});
    EXPECT_EQ(p.teisuu.Ops("Text"), std::vector<std::string>{"Text 7,20 6" GOTHIC});
  }
}

struct OptionCase {
  bool chkShiki;
  bool chkDispHeniki;
  bool xDrawn;       // the x panel got the domain (else untouched)
  bool yDrawn;       // the y panel got the range (else only cleared)
  bool teisuuDrawn;  // else untouched
};

void PrintTo(const OptionCase& c, std::ostream* os) {
  *os << "chkShiki " << c.chkShiki << " chkDispHeniki " << c.chkDispHeniki;
}

class ShowHenikiOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ShowHenikiOptions, PanelsFollowTheCheckBoxes) {
  const OptionCase& c = GetParam();
  EditorState state;
  state.Options.chkShiki = c.chkShiki;
  state.Options.chkDispHeniki = c.chkDispHeniki;
  Panels p;
  ShowHeniki(p.panels, Curve(2, 3, kModeSegment, 1, 4), state);
  EXPECT_EQ(p.x.ops.empty(), !c.xDrawn);
  if (c.yDrawn) {
    EXPECT_GT(p.y.Ops("Text").size(), 1u);
  } else {
    EXPECT_EQ(p.y.ops, std::vector<std::string>{"Fill 0,0,347,73 #808000"});
  }
  EXPECT_EQ(p.teisuu.ops.empty(), !c.teisuuDrawn);
}

INSTANTIATE_TEST_SUITE_P(CheckBoxes, ShowHenikiOptions,
                         ::testing::Values(OptionCase{true, true, true, true, true},
                                           OptionCase{false, true, false, true, true},
                                           OptionCase{true, false, true, false, false},
                                           OptionCase{false, false, false, false, false}));

TEST(ShowHeniki, PlainPanelColoursWhenTheColouredPanelsAreOff) {
  EditorState state;
  state.PanelBackColor = 0xFFFFFF;
  state.PanelTextColor = 0x000000;
  Panels p;
  ShowHeniki(p.panels, Curve(2, 3), state);
  EXPECT_EQ(p.y.ops.front(), "Fill 0,0,347,73 #FFFFFF");
  EXPECT_EQ(p.y.ops.back(), "Text 1,48 （０を除くすべての数） [ＭＳ Ｐゴシック 14 #000000]");
}

}  // namespace
