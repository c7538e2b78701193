#include "editor/main_layout.h"

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
  return m;
}
