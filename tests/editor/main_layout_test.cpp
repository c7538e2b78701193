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

}  // namespace
