#include "app/frm_main.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "support/gui/qt_print.h"

namespace {

TEST(FrmMain, ShowsTheDefaultFileInItsCaption) {
  TfrmMain frmMain;
  frmMain.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frmMain));
  EXPECT_EQ(frmMain.windowTitle(), QString::fromUtf8("Kelvado 反比例（中学版） - Mevrolin.mvr"));
  EXPECT_EQ(frmMain.objectName(), "frmMain");
}

TEST(FrmMain, ClosingNeverAsks) {
  TfrmMain frmMain;
  frmMain.show();
  EXPECT_TRUE(frmMain.close());
  EXPECT_FALSE(frmMain.isVisible());
}

}  // namespace
