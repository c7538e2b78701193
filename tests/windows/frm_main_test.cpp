#include "windows/frm_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"
#include "support/gui/modal.h"
#include "support/gui/pixels.h"
#include "support/gui/plane_click.h"
#include "support/gui/qt_print.h"
#include "windows/frm_help.h"
#include "windows/frm_program.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : program(&prompter) {
    program.frmMain.show();
    (void)QTest::qWaitForWindowExposed(&program.frmMain);
  }

  TfrmMain& main() { return program.frmMain; }

  void ClickLattice(int x, int y) { ClickLatticePoint(main(), x, y); }

  ScriptedPrompter prompter;
  TProgram program;
};

TEST_F(MainWindowTest, StartsWithTheDefaultCaptionAndAnEmptyWork) {
  EXPECT_EQ(main().windowTitle(), QString::fromUtf8("Kelvado 反比例（中学版） - Mevrolin.mvr"));
  EXPECT_EQ(main().editor().OpenWork().Count(), 0);
  EXPECT_TRUE(main().editor().State().NewFileFlag);
  EXPECT_EQ(main().editor().OpenWork().Buffer().Lines().size(), 1u);
  EXPECT_EQ(program.frmTangen->lblFileName->text(), "Mevrolin.mvr");
}

TEST_F(MainWindowTest, LaysOutTheWindowFromThe1024By768Screen) {
  const MainLayout& m = main().layoutFigures();
  EXPECT_EQ(m.H, 740);
  EXPECT_EQ(main().editor().State().MaxCoodSize, 544);
  EXPECT_EQ(main().grpShiki->y(), 396);
  // After the first redraw the plane follows the plane settings: 544 pixels, 16 a unit.
  EXPECT_EQ(main().imgCood->width(), 544);
  EXPECT_EQ(main().editor().Geometry().OriginX, 272);
  EXPECT_TRUE(main().imgCood->geometry().right() < 1024);
}

TEST_F(MainWindowTest, WindowsAreCreatedWithTheirNamesAndCaptions) {
  const std::vector<std::pair<QWidget*, const char*>> windows = {
      {&*program.frmSettei, "線の種類"},     {&*program.frmNewWork, "新規入力"},
      {&*program.frmRenshu, "練習"},         {&*program.frmSeikai, "正解"},
      {&*program.frmAyamari, "誤答"},        {&*program.frmTangen, "単元の内容"},
      {&*program.frmOwari, "練習終わり"},    {&*program.frmKiroku, "実行記録"},
      {&*program.frmPrint, "グラフの印刷"},  {&program.frmSetCood, "座標面の設定"},
      {&program.frmSetCood2, "座標面の設定"}};
  for (const auto& [window, caption] : windows) {
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(caption))
        << window->objectName().toStdString();
    EXPECT_FALSE(window->isVisible());
  }
}

TEST_F(MainWindowTest, UnlockedAtFirstShowAndTheLockTogglesMenusAndButtons) {
  EXPECT_FALSE(main().FuncLocked);
  for (QMenu* m :
       {main().mnuFile, main().mnuEdit, main().mnuSettei, main().mnuRun, main().mnuDisplay}) {
    EXPECT_TRUE(m->isEnabled()) << m->objectName().toStdString();
  }
  for (QToolButton* b : {main().spdOverWrite, main().spdTest, main().spdRenshu, main().spdKiroku}) {
    EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
  }
  main().btnLocked->click();
  EXPECT_TRUE(main().FuncLocked);
  EXPECT_FALSE(main().mnuRun->isEnabled());
  EXPECT_FALSE(main().spdTest->isEnabled());
  EXPECT_TRUE(main().mnuHelp->isEnabled());
  EXPECT_FALSE(main().btnLocked->isVisible());
}

TEST_F(MainWindowTest, EveryMenuItemAndToolButtonExistsWithItsCaptionOrHint) {
  const std::vector<std::pair<const char*, const char*>> actions = {
      {"mnuNewFile", "新規作成(&N)"},
      {"mnuTangenOpen", "単元名で開く(&T)"},
      {"mnuOpenFile", "開く(&O)"},
      {"mnuSaveFile", "上書き保存(&S)"},
      {"mnuSave", "名前を付けて保存(&A)"},
      {"mnuPrint", "印刷(&P)"},
      {"mnuClipBoard", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"},
      {"mnuPaste", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け(&P)"},
      {"mnuEnd", "終了(&X)"},
      {"mnuTetsei", "訂正(&C)"},
      {"mnuShoukyo", "全部消去(&A)"},
      {"mnuClearBitMap", "ﾋﾞｯﾄﾏｯﾌﾟのｸﾘｱ(&B)"},
      {"mnuSelectAll", "すべて選択(&S)"},
      {"mnuCancel", "選択解除(&U)"},
      {"pumDelete", "削除"},
      {"mnuChangeColor", "色を変える"},
      {"W1", "1"},
      {"W2", "2"},
      {"W3", "3"},
      {"pumSelectAll", "すべて選択"},
      {"pumCancel", "選択解除"},
      {"mnuSetSenshu", "線の種類(&K)"},
      {"mnuSetColor", "線の色(&C)"},
      {"mnuSetCood", "座標の設定(&S)"},
      {"mnuTest", "ﾃｽﾄ(&T)"},
      {"mnuRenshu", "練習(&E)"},
      {"mnuShowTangen", "単元の内容(&U)"},
      {"mnuShowRecord", "練習の記録(&R)"},
      {"mnuHandle", "四角ﾊﾝﾄﾞﾙ(&H)"},
      {"mnuTensen", "点線(&P)"},
      {"mnuShowHelp", "使い方(&U)"},
      {"mnuOnePoint", "ワンポイント(&P)"},
      {"mnuShowAbout", "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
      {"mnuReDisplay", "再表示(&D)"}};
  for (const auto& [name, caption] : actions) {
    const QAction* a = main().findChild<QAction*>(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_EQ(a->text(), QString::fromUtf8(caption)) << name;
  }
  const std::vector<std::pair<const char*, const char*>> menus = {
      {"mnuFile", "ﾌｧｲﾙ(&F)"}, {"mnuEdit", "編集(&E)"},    {"mnuSettei", "設定(&S)"},
      {"mnuRun", "実行(&R)"},  {"mnuDisplay", "表示(&V)"}, {"mnuHelp", "ﾍﾙﾌﾟ(&H)"}};
  const auto bar = main().menuBar()->actions();
  ASSERT_EQ(bar.size(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(bar[i]->menu()->objectName(), menus[static_cast<std::size_t>(i)].first);
    EXPECT_EQ(bar[i]->text(), QString::fromUtf8(menus[static_cast<std::size_t>(i)].second));
  }
  QStringList popup;
  for (QAction* a : main().pumShiki->actions()) popup << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(popup,
            QStringList({"削除", "色を変える", "線の太さを変える", "-", "すべて選択", "選択解除"}));
  const std::vector<std::pair<const char*, const char*>> hints = {
      {"spdOpenFile", "単元名で開く"},
      {"spdOverWrite", "上書き保存"},
      {"spdAll", "全域"},
      {"spdCenter", "中央"},
      {"spdRight", "右側"},
      {"spdLeft", "左側"},
      {"spdLineColor", "固定ｶﾗｰの設定"},
      {"spdTeisei", "訂正"},
      {"spdShoukyo", "全部消去"},
      {"spdTest", "テスト"},
      {"spdRenshu", "練習"},
      {"spdKiroku", "記録の表示"},
      {"btnLocked", "使える機能を制限します"}};
  for (const auto& [name, hint] : hints) {
    const QToolButton* b = main().findChild<QToolButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(hint)) << name;
  }
  EXPECT_EQ(main().spdSample->text(), QString::fromUtf8("変域"));
  for (const char* name : {"btnSelectAll", "BitBtn1", "btnUp", "btnDown", "btnLeft", "btnRight",
                           "btnHyoujun", "btnIppan"}) {
    EXPECT_NE(main().findChild<QPushButton*>(name), nullptr) << name;
  }
}

TEST_F(MainWindowTest, ClickOnThePlaneDrawsTheCurveAndShowsItsPanels) {
  ClickLattice(2, 3);
  ASSERT_EQ(main().editor().OpenWork().Count(), 1);
  EXPECT_EQ(main().lstShiki->count(), 1);
  EXPECT_TRUE(main().lstShiki->item(0)->isSelected());
  EXPECT_EQ(main().windowTitle(), QString::fromUtf8("Kelvado 反比例（中学版） - Mevrolin.mvr"));
  // The curve's colour reaches the pixel of (2, 3) on the plane.
  const PixelPoint p = main().editor().Geometry().LatticeToPixel(2, 3);
  EXPECT_NE(main().planeCanvas.Image().pixel(p.x, p.y), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, RedisplayDoesNothingAndClosingAsksNothing) {
  ClickLattice(2, 3);
  const QImage before = main().planeCanvas.Image().copy();
  main().findChild<QAction*>("mnuReDisplay")->trigger();
  EXPECT_EQ(main().planeCanvas.Image(), before);
  prompter.messages.clear();
  EXPECT_TRUE(main().close());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowTest, HandleMenuAndCheckBoxMirrorEachOther) {
  QAction* mnuHandle = main().findChild<QAction*>("mnuHandle");
  EXPECT_TRUE(mnuHandle->isChecked());
  mnuHandle->trigger();
  EXPECT_FALSE(main().chkHandle->isChecked());
  EXPECT_FALSE(mnuHandle->isChecked());
  main().chkTensen->click();
  EXPECT_FALSE(main().findChild<QAction*>("mnuTensen")->isChecked());
  EXPECT_FALSE(main().editor().State().TensenFlag);
}

TEST_F(MainWindowTest, TwoRowDisplayMovesTheListBelowTheSecondGrid) {
  main().chkNidan->click();
  EXPECT_TRUE(main().drgTable2->isVisible());
  EXPECT_EQ(main().lstShiki->y(), main().drgTable2->y() + main().drgTable2->height() + 5);
  EXPECT_EQ(main().lstShiki->y() + main().lstShiki->height(), main().grpShiki->y() - 8);
  main().chkNidan->click();
  EXPECT_FALSE(main().drgTable2->isVisible());
  EXPECT_EQ(main().lstShiki->y(), main().drgTable->y() + main().drgTable->height() + 5);
}

TEST_F(MainWindowTest, HelpShowsTopicsAndReportsAMissingFile) {
  main().editor().SetProgramFolder(main().editor().State().ProgDir, MEVROLIN_SOURCE_DIR "/", false);
  const QString before = QDir::currentPath();
  main().findChild<QAction*>("mnuOnePoint")->trigger();
  EXPECT_TRUE(program.frmHelp->isVisible());
  EXPECT_TRUE(program.frmHelp->windowTitle().contains(QString::fromUtf8("ワンポイント")));
  EXPECT_EQ(QDir::currentPath(), before);
  main().editor().SetProgramFolder(main().editor().State().ProgDir, "/nonexistent/", false);
  main().findChild<QAction*>("mnuShowHelp")->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0], "ヘルプファイル Mevrolin.hlp が開けません");
  EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace

namespace {

TEST_F(MainWindowTest, RightPressHeldOnAHandleDragsTheCurve) {
  ClickLattice(2, 3);
  const auto at = [this](int x, int y) {
    const PixelPoint p = main().editor().Geometry().LatticeToPixel(x, y);
    return QPoint(p.x, p.y);
  };
  ImageView* plane = main().imgCood;
  QTest::mousePress(plane, Qt::RightButton, {}, at(-2, -3));  // held through the wait
  EXPECT_EQ(main().editor().State().DragMode, 2);
  QTest::mouseMove(plane, at(0, 0));
  QTest::mouseMove(plane, at(1, 1));
  QTest::mouseRelease(plane, Qt::RightButton, {}, at(1, 1));
  ASSERT_EQ(main().editor().OpenWork().Count(), 1);
  EXPECT_EQ(main().editor().OpenWork().Curve(0).Shiki, "y = 1/x");
  EXPECT_EQ(main().lstShiki->item(0)->text(), "y = 1/x");
  EXPECT_EQ(main().editor().State().DragMode, 0);
}

TEST_F(MainWindowTest, RightClickOnAListRowSelectsItAndOpensTheMenu) {
  ClickLattice(2, 3);
  ClickLattice(1, 1);
  QWidget* rows = main().lstShiki->viewport();
  QTimer::singleShot(50, [this] { main().pumShiki->close(); });
  QTest::mouseClick(rows, Qt::RightButton, {}, QPoint(60, 19 + 5));
  EXPECT_TRUE(main().lstShiki->item(1)->isSelected());
  EXPECT_FALSE(main().lstShiki->item(0)->isSelected());
  // Below the last row nothing happens.
  bool opened = false;
  QTimer::singleShot(50, [this, &opened] {
    opened = main().pumShiki->isVisible();
    main().pumShiki->close();
  });
  QTest::mouseClick(rows, Qt::RightButton, {}, QPoint(60, 19 * 5));
  QTest::qWait(80);
  EXPECT_FALSE(opened);
  EXPECT_TRUE(main().lstShiki->item(1)->isSelected());
}

TEST_F(MainWindowTest, CtrlClickAddsARowAndThePanelsFollowTheLastSelected) {
  ClickLattice(2, 3);
  ClickLattice(1, 1);
  QWidget* rows = main().lstShiki->viewport();
  QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_EQ(main().editor().OpenWork().Selection(), (std::vector<bool>{true, false}));
  QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, QPoint(60, 19 + 5));
  EXPECT_EQ(main().editor().OpenWork().Selection(), (std::vector<bool>{true, true}));
}

}  // namespace

namespace {

// Pixels of the list row that are neither white nor near white.
int InkIn(const QImage& image, int x0, int x1, int y0, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
  }
  return n;
}

TEST_F(MainWindowTest, HiddenEquationsLeaveTheListSamples) {
  ClickLattice(2, 3);
  main().BitBtn1->click();  // nothing selected: plain white rows
  QImage rows = main().lstShiki->viewport()->grab().toImage();
  EXPECT_GT(InkIn(rows, 50, 200, 0, 19), 10);  // "y = 6/x"
  EXPECT_GT(InkIn(rows, 0, 45, 0, 19), 5);     // the line sample
  main().chkShiki->click();
  rows = main().lstShiki->viewport()->grab().toImage();
  EXPECT_EQ(InkIn(rows, 50, 200, 0, 19), 0);
  EXPECT_GT(InkIn(rows, 0, 45, 0, 19), 5);
  // The form buttons do nothing while the equations are hidden.
  main().btnIppan->click();
  EXPECT_EQ(main().editor().OpenWork().ListItems()[0], "y = 6/x");
  EXPECT_EQ(main().grpShiki->title(), QString::fromUtf8("グラフの式（標準形）"));
}

}  // namespace

namespace {

TEST_F(MainWindowTest, F1InAWindowShowsThatWindowsTopic) {
  main().editor().SetProgramFolder(main().editor().State().ProgDir, MEVROLIN_SOURCE_DIR "/", false);
  auto pressF1 = [](QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
  };
  program.frmSettei->show();
  pressF1(&*program.frmSettei);
  EXPECT_TRUE(program.frmHelp->isVisible());
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("線の種類")));
  pressF1(main().lstShiki);
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("グラフの一覧")));
  pressF1(main().mnuRun);
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("実行メニュー")));
  pressF1(main().grpSettei);
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("メイン画面")));
  program.frmSettei->hide();
}

}  // namespace

namespace {

TEST_F(MainWindowTest, AHalfLineKeepsItsSolidPartAndEndCircleAfterAWholeCurveIsAdded) {
  QTest::mouseClick(main().spdRight, Qt::LeftButton);
  ClickLattice(2, 3);
  ClickLattice(1, 5);  // the domain starts at x = 1
  QTest::mouseClick(main().spdAll, Qt::LeftButton);
  ClickLattice(-1, 5);
  ASSERT_EQ(main().editor().OpenWork().Count(), 2);
  const PlaneGeometry& g = main().editor().Geometry();
  // The filled circle at (1, 6) and the solid curve at (3, 2), in the half-line's colour.
  const PixelPoint end = g.LatticeToPixel(1, 6);
  const PixelPoint solid = g.LatticeToPixel(3, 2);
  EXPECT_EQ(At(main().planeCanvas, end.x, end.y), ColorTable[0]);
  EXPECT_EQ(At(main().planeCanvas, end.x + 2, end.y + 2), ColorTable[0]);
  EXPECT_EQ(At(main().planeCanvas, solid.x, solid.y), ColorTable[0]);
}

}  // namespace

namespace {

// Under a window manager the frame (title bar and borders) is part of the window's height: the
// whole window stays on the screen above the task bar.
TEST(WindowFrame, TheMainWindowsFrameIsTheScreenLessTheTaskBar) {
  if (std::getenv("MEVROLIN_WINDOW_MANAGER") == nullptr) {
    GTEST_SKIP() << "needs a window manager: tests/support/gui/with_window_manager.sh";
  }
  ScriptedPrompter prompter;
  TProgram program(&prompter);
  program.frmMain.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.frmMain));
  // The manager frames the window a moment after it is shown.
  (void)QTest::qWaitFor([&] { return program.frmMain.frameGeometry().height() == 740; }, 10000);
  const QRect frame = program.frmMain.frameGeometry();
  EXPECT_EQ(frame.top(), 0);
  EXPECT_EQ(frame.left(), 0);
  EXPECT_EQ(frame.height(), 740);
  EXPECT_EQ(frame.width(), 1024);
  EXPECT_LT(program.frmMain.geometry().height(), 740);  // the client area is what is left
}

}  // namespace

namespace {

// Keys arrive as the window system sends them: at the top-level window first.
TEST_F(MainWindowTest, F1FromTheKeyboardShowsTheTopicOfTheFocusedControlOrMenuItem) {
  main().editor().SetProgramFolder(main().editor().State().ProgDir, MEVROLIN_SOURCE_DIR "/", false);
  QApplication::setActiveWindow(&main());
  main().lstShiki->setFocus();
  QTest::keyClick(main().windowHandle(), Qt::Key_F1);
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("グラフの一覧")))
      << program.frmHelp->windowTitle().toStdString();

  main().mnuFile->popup(QPoint(20, 40));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(main().mnuFile));
  main().mnuFile->setActiveAction(main().mnuFile->actions().first());
  QTest::keyClick(main().mnuFile->windowHandle(), Qt::Key_F1);
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("ファイルメニュー")))
      << program.frmHelp->windowTitle().toStdString();
  main().mnuFile->close();

  program.frmTangen->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&*program.frmTangen));
  QApplication::setActiveWindow(&*program.frmTangen);
  program.frmTangen->memFile->setFocus();
  QTest::keyClick(program.frmTangen->windowHandle(), Qt::Key_F1);
  EXPECT_TRUE(program.frmHelp->windowTitle().endsWith(QString::fromUtf8("単元の内容")))
      << program.frmHelp->windowTitle().toStdString();
  program.frmTangen->hide();
}

TEST_F(MainWindowTest, ShiftClickSelectsOnlyTheRowAndAPressBelowTheRowsActsOnTheCurrentOne) {
  for (int x = 1; x <= 3; ++x) ClickLattice(x, 1);
  QWidget* rows = main().lstShiki->viewport();
  QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(60, 5));
  QTest::mouseClick(rows, Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 2 * 19 + 5));
  EXPECT_EQ(main().editor().OpenWork().Selection(), (std::vector<bool>{false, false, true}));
  main().BitBtn1->click();  // nothing selected; row 2 stays the current row
  QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(60, 19 * 10));
  EXPECT_EQ(main().editor().OpenWork().Selection(), (std::vector<bool>{false, false, true}));
}

TEST_F(MainWindowTest, AQuickSecondRightPressHeldOnAHandleStillDrags) {
  ClickLattice(2, 3);
  ImageView* plane = main().imgCood;
  const auto at = [this](int x, int y) {
    const PixelPoint p = main().editor().Geometry().LatticeToPixel(x, y);
    return QPoint(p.x, p.y);
  };
  QTimer::singleShot(20, plane,
                     [plane, &at] { QTest::mouseRelease(plane, Qt::RightButton, {}, at(2, 3)); });
  QTest::mousePress(plane, Qt::RightButton, {}, at(2, 3));
  // The second press of a quick pair comes as a double click; it is held.
  QMouseEvent second(QEvent::MouseButtonDblClick, at(2, 3), plane->mapToGlobal(at(2, 3)),
                     Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(plane, &second);
  EXPECT_EQ(main().editor().State().DragMode, 2);
  QTest::mouseMove(plane, at(1, 1));
  QTest::mouseRelease(plane, Qt::RightButton, {}, at(1, 1));
  EXPECT_EQ(main().editor().OpenWork().Curve(0).Shiki, "y = 1/x");
}

TEST_F(MainWindowTest, OnlyALeftClickOnTheSampleSkipsAColour) {
  const int32_t before = main().editor().State().ColorIndex;
  QTest::mouseClick(main().imgSample, Qt::RightButton);
  QTest::mouseClick(main().imgSample, Qt::MiddleButton);
  EXPECT_EQ(main().editor().State().ColorIndex, before);
  QTest::mouseClick(main().imgSample, Qt::LeftButton);
  EXPECT_EQ(main().editor().State().ColorIndex, before + 1);
}

TEST_F(MainWindowTest, ToolBarBoxesDoNotOverlapAndMenuAcceleratorsAreUnique) {
  EXPECT_GT(main().spdOpenFile->geometry().left(), main().edtHeniki->geometry().right());
  for (QAction* bar : main().menuBar()->actions()) {
    QStringList keys;
    for (QAction* a : bar->menu()->actions()) {
      const qsizetype amp = a->text().indexOf('&');
      if (amp >= 0) keys << a->text().mid(amp + 1, 1).toUpper();
    }
    keys.sort();
    EXPECT_EQ(keys.removeDuplicates(), 0) << bar->text().toStdString();
  }
}

TEST_F(MainWindowTest, TheListNeverScrollsSidewaysAndShowsTheNewestCurve) {
  for (int i = 0; i < 20; ++i) ClickLattice(1 + i % 10, 1 + i / 10);
  ASSERT_EQ(main().lstShiki->count(), 20);
  EXPECT_FALSE(main().lstShiki->horizontalScrollBar()->isVisible());
  const QRect last = main().lstShiki->visualItemRect(main().lstShiki->item(19));
  EXPECT_TRUE(main().lstShiki->viewport()->rect().contains(last))
      << last.y() << " in " << main().lstShiki->viewport()->height();
}

}  // namespace

namespace {

// What the plane shows on screen is every stroke drawn so far, also in the middle of a drag.
TEST_F(MainWindowTest, TheDraggedCurveShowsOnScreenAtEveryStep) {
  ClickLattice(2, 3);
  main().chkHandle->click();  // without handles the drag's picture ends in a line
  ImageView* plane = main().imgCood;
  const auto at = [this](int x, int y) {
    const PixelPoint p = main().editor().Geometry().LatticeToPixel(x, y);
    return QPoint(p.x, p.y);
  };
  QTest::mousePress(plane, Qt::RightButton, {}, at(2, 3));  // held: the drag starts
  ASSERT_EQ(main().editor().State().DragMode, 2);
  QMouseEvent move(QEvent::MouseMove, at(1, 1), plane->mapToGlobal(at(1, 1)), Qt::NoButton,
                   Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(plane, &move);
  const QImage shown = plane->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, main().planeCanvas.Image());
  QTest::mouseRelease(plane, Qt::RightButton, {}, at(1, 1));
}

// Ctrl+Z after a click takes the curve off plane and list, Ctrl+Y and Ctrl+Shift+Z put it back;
// the lock stops them; Ctrl+O and Ctrl+S open a file and write it back without a question.
TEST_F(MainWindowTest, TheDesktopKeysUndoRedoOpenAndSaveUnlessLocked) {
  auto key = [this](const char* keys) { QTest::keySequence(&main(), QKeySequence(keys)); };
  const PixelPoint p = main().editor().Geometry().LatticeToPixel(2, 3);
  const QRgb empty = main().planeCanvas.Image().pixel(p.x, p.y);
  ClickLattice(2, 3);
  ASSERT_EQ(main().lstShiki->count(), 1);
  key("Ctrl+Z");
  EXPECT_EQ(main().lstShiki->count(), 0);
  EXPECT_EQ(main().planeCanvas.Image().pixel(p.x, p.y), empty);
  key("Ctrl+Y");
  EXPECT_EQ(main().lstShiki->count(), 1);
  EXPECT_NE(main().planeCanvas.Image().pixel(p.x, p.y), empty);
  key("Ctrl+Z");
  key("Ctrl+Shift+Z");
  EXPECT_EQ(main().lstShiki->count(), 1);
  main().btnLockedClick();
  key("Ctrl+Z");
  key("Ctrl+N");  // locked keys ask nothing and change nothing
  EXPECT_EQ(main().lstShiki->count(), 1);
  EXPECT_TRUE(prompter.messages.empty());
  main().btnLockedClick();
  TempFolder folder;
  const std::string path = folder / "work.mvr";
  TempFolder::Write(path, TempFolder::Read(MEVROLIN_SOURCE_DIR "/DATA/03_compare_a.mvr"));
  prompter.answers = {Answer::No};  // the curve drawn before is not kept
  prompter.files = {path};
  key("Ctrl+O");
  ASSERT_GT(main().editor().OpenWork().Count(), 0);
  ClickLattice(-2, 3);
  key("Ctrl+S");
  EXPECT_TRUE(main().editor().OpenWork().DataSaved());
  EXPECT_EQ(prompter.fileDialogs.size(), 1u);  // the open dialog only
  EXPECT_NE(TempFolder::Read(path).find("y = -6/x"), std::string::npos);
}

// Moving the selected curve with the arrow buttons, restyling and recolouring it are changes:
// New then asks before it discards them.
TEST_F(MainWindowTest, EveryEditOfACurveMakesNewAskBeforeDiscardingIt) {
  TempFolder folder;
  TempFolder::Write(folder / "one.mvr", "t\r\n255,16\r\ny = 6/x\r\n2,3\r\n0,0\r\n-99,99\r\n");
  prompter.colors = {0x00FF00};
  for (const char* edit : {"btnUp", "btnRight", "W2", "mnuChangeColor"}) {
    prompter.files = {folder / "one.mvr"};
    main().findChild<QAction*>("mnuOpenFile")->trigger();  // the work before is empty or saved
    const QRect row = main().lstShiki->visualItemRect(main().lstShiki->item(0));
    QTest::mouseClick(main().lstShiki->viewport(), Qt::LeftButton, {}, row.center());
    QObject* control = main().findChild<QObject*>(edit);
    QMetaObject::invokeMethod(control, control->inherits("QAction") ? "trigger" : "click");
    prompter.messages.clear();
    prompter.answers = {Answer::No};
    main().findChild<QAction*>("mnuNewFile")->trigger();
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"現在のデータを保存しますか"}) << edit;
  }
}

// Closing asks nothing, yet the curves come back: the next start in the folder asks once (a
// program running beside finds nothing to take); yes gives the work back unsaved under its
// name, no removes the copy for good.
TEST(RecoveryAtStart, ClosedUnsavedCurvesAreOfferedOnceAtTheNextStart) {
  TempFolder folder;
  const std::string dir = folder.Path().string() + "/";
  const auto start = [&](std::deque<Answer> answers, const std::function<void(TProgram&)>& use) {
    ScriptedPrompter prompter;
    prompter.answers = std::move(answers);
    TProgram program(&prompter);
    program.frmMain.editor().SetProgramFolder(dir, dir, false);
    program.frmMain.show();
    program.frmMain.editor().StartRecoveryCopy();
    use(program);
    return prompter.messages;
  };
  const std::vector<std::string> asked{"前回保存されなかった作品があります。復元しますか？"};
  EXPECT_TRUE(start({}, [&](TProgram& p) {
                ClickLatticePoint(p.frmMain, 2, 3);
                ClickLatticePoint(p.frmMain, -1, 4);
                RecoveryCopy beside;
                EXPECT_TRUE(beside.Open(dir) && !beside.Left());
              }).empty());
  EXPECT_EQ(start({Answer::Yes},
                  [](TProgram& p) {
                    const Work& work = p.frmMain.editor().OpenWork();
                    EXPECT_TRUE(work.Count() == 2 && !work.DataSaved());
                    EXPECT_TRUE(p.frmMain.windowTitle().endsWith(" - Mevrolin.mvr"));
                  }),
            asked);
  EXPECT_EQ(
      start({Answer::No}, [](TProgram& p) { EXPECT_TRUE(p.frmMain.editor().OpenWork().Empty()); }),
      asked);
  EXPECT_TRUE(start({}, [](TProgram&) {}).empty());
}

// F1 in a modal window opens its own topic above it: the help takes Esc and closes, and the
// window is still there, as it was. The contents' topic numbers are links.
TEST_F(MainWindowTest, HelpOverAModalWindowClosesWithEscBackToThatWindow) {
  main().editor().SetProgramFolder(main().editor().State().ProgDir, MEVROLIN_SOURCE_DIR "/", false);
  ModalScript script;
  script.Then("frmKiroku", [](QWidget* w) { QTest::keyClick(w, Qt::Key_F1); })
      .Then("frmHelp", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); })
      .Then("frmKiroku", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  script.Start();
  program.Show(ProgramWindow::Records);
  EXPECT_TRUE(script.Done());
  main().findChild<QAction*>("mnuShowHelp")->trigger();
  EXPECT_TRUE(program.frmHelp->text->toHtml().contains("href=\"#314\""));
}

}  // namespace
