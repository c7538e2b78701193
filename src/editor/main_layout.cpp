#include "editor/main_layout.h"

#include <algorithm>

MainLayout ComputeMainLayout(int32_t screenWidth, int32_t screenHeight) {
  MainLayout m;
  m.H = screenHeight - 28;
  m.W = screenWidth;
  const int32_t H = m.H;
  m.MaxCoodSize = ((H - kPnlMainHeight - kImgShikiHeight - 60) / 32) * 32;

  // The plane is square, centred in the space right of the list.
  const int32_t planeSize = ((H - kPnlMainHeight - kImgShikiHeight - 28) / 32) * 32;
  const int32_t listRight = kLstShikiLeft + kLstShikiWidth;
  m.imgCood = {(m.W - listRight - planeSize) / 2 + listRight, kPnlMainHeight + 2, planeSize,
               planeSize};

  // The two table grids stand above the list; the second shows only in two-row display.
  const int32_t gridHeight = 3 * kGridLineWidth + kTableRowHeights + 2;
  m.drgTable = {kLstShikiLeft, kPnlMainHeight + 2, kLstShikiWidth, gridHeight};
  m.drgTable2 = {kLstShikiLeft, m.drgTable.top + m.drgTable.height + 2, kLstShikiWidth, gridHeight};

  m.grpShiki = {kLstShikiLeft, H - 2 * kGrpHenikiHeight - 150, kImgShikiWidth + 16,
                kGrpShikiHeight};
  m.grpTeisuu = {kLstShikiLeft + kImgShikiWidth + 24, m.grpShiki.top, kImgShikiWidth + 16,
                 kGrpShikiHeight};
  m.grpHenikiX = {kLstShikiLeft, m.grpShiki.top + kGrpShikiHeight + 5, kImgHenikiWidth + 16,
                  kGrpHenikiHeight};
  m.grpHenikiY = {kLstShikiLeft, m.grpHenikiX.top + kGrpHenikiHeight + 5, kImgHenikiWidth + 16,
                  kGrpHenikiHeight};
  m.grpJiku = {kLstShikiLeft, m.grpHenikiX.top + kGrpHenikiHeight + 25, 177, kGrpJikuHeight};
  m.grpChouten = {kLstShikiLeft + 185, m.grpJiku.top, 177, kGrpJikuHeight};

  const int32_t listTop = m.drgTable.top + m.drgTable.height + 5;
  m.lstShiki = {kLstShikiLeft, listTop, kLstShikiWidth,
                H - 2 * kGrpHenikiHeight - kGrpJikuHeight - kGrpShikiHeight - 110};

  m.grpSettei = {m.imgCood.left, m.grpHenikiY.top + 20, m.imgCood.width, kGrpSetteiHeight};
  // The box stays right of the panels and ends inside the window.
  m.grpSettei.left = std::max(m.grpSettei.left, listRight + 4);
  m.grpSettei.width = std::min(m.grpSettei.width, m.W - m.grpSettei.left - 4);
  if (m.grpSettei.width >= kOptionsDesignWidth) {
    static constexpr int32_t kCheckX[] = {8, 100, 200, 290, 380};
    for (std::size_t i = 0; i < kOptionChecks; ++i) {
      m.optionChecks[i] = {kCheckX[i % 5], i < 5 ? 6 : 28, 0, 0};
    }
    m.optionButtons = {ControlRect{8, 48, 80, 24}, {92, 48, 80, 24},  {190, 48, 28, 24},
                       {220, 48, 28, 24},          {250, 48, 28, 24}, {280, 48, 28, 24},
                       {330, 48, 80, 24},          {414, 48, 80, 24}};
    return m;
  }
  // Too narrow for the design: four check boxes a row, then one row of narrower buttons, all
  // within 404 pixels. The box then rises as far as the largest plane allows, so that it ends
  // above the window's foot even under a title bar.
  for (std::size_t i = 0; i < kOptionChecks; ++i) {
    m.optionChecks[i] = {8 + 100 * static_cast<int32_t>(i % 4),
                         4 + 20 * static_cast<int32_t>(i / 4), 0, 0};
  }
  m.optionButtons = {ControlRect{8, 66, 64, 22}, {74, 66, 64, 22},  {142, 66, 24, 22},
                     {168, 66, 24, 22},          {194, 66, 24, 22}, {220, 66, 24, 22},
                     {250, 66, 76, 22},          {328, 66, 76, 22}};
  m.grpSettei.height = 92;
  const int32_t planeBottom = kPnlMainHeight + 2 + m.MaxCoodSize + 2;
  m.grpSettei.top = std::max(planeBottom, std::min(m.grpSettei.top, H - 60 - m.grpSettei.height));
  return m;
}
