#include "editor/main_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(MainLayout, FiguresOnA1024By768Screen) {
  const MainLayout m = ComputeMainLayout(1024, 768);
  EXPECT_EQ(m.H, 740);
  EXPECT_EQ(m.W, 1024);
  EXPECT_EQ(m.imgCood, (ControlRect{417, 42, 576, 576}));
  EXPECT_EQ(m.MaxCoodSize, 544);
  EXPECT_EQ(m.grpShiki.top, 396);
  EXPECT_EQ(m.grpHenikiX.top, 490);
  EXPECT_EQ(m.grpHenikiY.top, 592);
  EXPECT_EQ(m.grpJiku.top, 612);
  EXPECT_EQ(m.grpSettei.top, 612);
  EXPECT_EQ(m.grpSettei.left, 417);
  EXPECT_EQ(m.lstShiki.height, 298);
  EXPECT_EQ(m.drgTable.height, 65);
  EXPECT_EQ(m.drgTable2.top, 42 + 65 + 2);
}

TEST(MainLayout, SizesAreMultiplesOf32ForEveryScreen) {
  for (int32_t h : {600, 720, 768, 800, 900, 1080, 1200}) {
    const MainLayout m = ComputeMainLayout(1280, h);
    EXPECT_EQ(m.MaxCoodSize % 32, 0) << h;
    EXPECT_EQ(m.imgCood.width % 32, 0) << h;
    EXPECT_EQ(m.imgCood.width, m.imgCood.height) << h;
    EXPECT_GT(m.imgCood.width, m.MaxCoodSize) << h;  // the created image is one step larger
  }
}

// On every common screen the options box lies in the window (under a title bar and a menu bar),
// below the largest plane and right of the panels, and holds all of its controls.
TEST(MainLayout, TheOptionsBoxAndItsControlsFitEveryScreen) {
  const auto inside = [](const ControlRect& r, int32_t width, int32_t height) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
  };
  for (const auto& [w, h] : {std::pair{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}}) {
    const MainLayout m = ComputeMainLayout(w, h);
    const ControlRect& box = m.grpSettei;
    EXPECT_TRUE(inside(box, m.W, m.H - 50)) << w;
    EXPECT_GE(box.top, m.imgCood.top + m.MaxCoodSize) << w;
    EXPECT_GE(box.left, m.lstShiki.left + m.lstShiki.width) << w;
    for (const ControlRect& c : m.optionChecks) {
      EXPECT_TRUE(inside({c.left, c.top, 90, 20}, box.width, box.height)) << w;
    }
    for (const ControlRect& b : m.optionButtons) EXPECT_TRUE(inside(b, box.width, box.height)) << w;
  }
}

}  // namespace
