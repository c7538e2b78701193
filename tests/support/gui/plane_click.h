// A left click on the main window's plane at a lattice point, as a real mouse makes it: the
// release arrives while the press handler waits to tell a click from a held press.
#pragma once

#include <QTest>
#include <QTimer>

#include "windows/frm_main.h"

inline void ClickLatticePoint(TfrmMain& main, int x, int y) {
  const PixelPoint p = main.editor().Geometry().LatticeToPixel(x, y);
  const QPoint at(p.x, p.y);
  ImageView* plane = main.imgCood;
  QTimer::singleShot(30, plane,
                     [plane, at] { QTest::mouseRelease(plane, Qt::LeftButton, {}, at); });
  QTest::mousePress(plane, Qt::LeftButton, {}, at);
}
