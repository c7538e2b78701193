// 線の種類 driven through its radio buttons and buttons, opened from the main window's menu.
#include "windows/frm_settei.h"
#include "platform/qt_text.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "support/core/scripted_prompter.h"
#include "support/gui/pixels.h"
#include "support/gui/plane_click.h"
#include "support/gui/qt_print.h"
#include "windows/frm_program.h"

namespace {

class LineKindWindowTest : public ::testing::Test {
 protected:
  LineKindWindowTest() {
    QSettings settings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin"));
    settings.clear();
    settings.sync();
    program = std::make_unique<TProgram>(&prompter);
    main().show();
    (void)QTest::qWaitForWindowExposed(&main());
  }

  TfrmMain& main() { return program->frmMain; }
  TfrmSettei& dialog() { return *program->frmSettei; }
  const EditorState& state() { return main().editor().State(); }

  void Open() { main().findChild<QAction*>("mnuSetSenshu")->trigger(); }
  void Click(const char* name) {
    QAbstractButton* button = dialog().findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  bool Checked(const char* name) { return dialog().findChild<QRadioButton*>(name)->isChecked(); }

  void ClickLattice(int x, int y) { ClickLatticePoint(main(), x, y); }

  ScriptedPrompter prompter;
  std::unique_ptr<TProgram> program;
};

TEST_F(LineKindWindowTest, ShowsTheSettingsInForceWithTheGroupsOfTheMode) {
  QTest::mouseClick(main().spdCenter, Qt::LeftButton);
  QTest::mouseClick(main().spdSample, Qt::LeftButton);
  QTest::mouseClick(main().spdSample, Qt::LeftButton);
  ASSERT_EQ(state().SenbunKind, 2);
  Open();
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_FALSE(dialog().isModal());
  EXPECT_EQ(dialog().pos(), QPoint(0, 0));
  EXPECT_EQ(dialog().property("helpTopic").toInt(), 320);
  const std::vector<std::pair<const char*, const char*>> captions = {
      {"rbtLMode0", "全域"},       {"rbtLMode1", "中央"},
      {"rbtLMode2", "右側"},       {"rbtLMode3", "左側"},
      {"rbtLWidth1", "1ﾄﾞｯﾄ"},     {"rbtLWidth2", "2ﾄﾞｯﾄ"},
      {"rbtLWidth3", "3ﾄﾞｯﾄ"},     {"rbtSenHeniki0", "≦　≦"},
      {"rbtSenHeniki1", "≦　＜"},  {"rbtSenHeniki2", "＜　≦"},
      {"rbtSenHeniki3", "＜　＜"}, {"rbtHanHeniki0", "≦"},
      {"rbtHanHeniki1", "＜"},     {"btnOK", "OK"},
      {"btnCancel", "ｷｬﾝｾﾙ"},      {"btnTest", "テスト"}};
  for (const auto& [name, caption] : captions) {
    const auto* button = dialog().findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->text(), U(caption)) << name;
  }
  EXPECT_TRUE(Checked("rbtLMode1"));
  EXPECT_TRUE(Checked("rbtLWidth1"));
  EXPECT_TRUE(Checked("rbtSenHeniki2"));
  EXPECT_TRUE(Checked("rbtHanHeniki0"));
  EXPECT_EQ(dialog().gbxKind->title(), U("変域"));
  EXPECT_EQ(dialog().gbxWidth->title(), U("太さ"));
  EXPECT_TRUE(dialog().gbxHeniki1->isEnabled());
  EXPECT_EQ(dialog().gbxHeniki1->title(), U("線分の変域"));
  EXPECT_FALSE(dialog().gbxHeniki2->isEnabled());
  EXPECT_EQ(dialog().gbxHeniki2->title(), QString());
  EXPECT_TRUE(main().spdCenter->isChecked());
}

TEST_F(LineKindWindowTest, ModeButtonsEnableTheirGroupAndBlankTheOther) {
  Open();
  struct Case {
    const char* button;
    const char* segment;  // expected captions; empty: disabled
    const char* halfLine;
  } cases[] = {{"rbtLMode3", "", "半直線の変域"},
               {"rbtLMode1", "線分の変域", ""},
               {"rbtLMode2", "", "半直線の変域"},
               {"rbtLMode0", "", ""}};
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(dialog().gbxHeniki1->title(), U(c.segment)) << c.button;
    EXPECT_EQ(dialog().gbxHeniki1->isEnabled(), *c.segment != '\0') << c.button;
    EXPECT_EQ(dialog().gbxHeniki2->title(), U(c.halfLine)) << c.button;
    EXPECT_EQ(dialog().gbxHeniki2->isEnabled(), *c.halfLine != '\0') << c.button;
  }
  EXPECT_TRUE(Checked("rbtSenHeniki0")) << "a disabled group keeps its choice";
}

TEST_F(LineKindWindowTest, CancelAndTestLeaveTheSettingsAsTheyWere) {
  Open();
  for (const char* name : {"rbtLMode1", "rbtLWidth3", "rbtSenHeniki3", "rbtHanHeniki1"}) {
    Click(name);
  }
  // Test redraws the whole main window with the settings in force.
  main().planeCanvas.FillRect(PixelRect{2, 2, 4, 4}, 0x0000FF);
  Click("btnTest");
  EXPECT_EQ(At(main().planeCanvas, 3, 3), kWhite);
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_EQ(state().LineMode, kModeWhole);
  EXPECT_EQ(state().LineWidth, 1);
  QTest::keyClick(&dialog(), Qt::Key_Escape);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(state().LineMode, kModeWhole);
  EXPECT_EQ(state().LineWidth, 1);
  EXPECT_EQ(state().SenbunKind, 0);
  EXPECT_EQ(state().HanchokusenKind, 0);
  EXPECT_TRUE(main().spdAll->isChecked());
  // Shown again: the settings in force, not the abandoned choices.
  Open();
  EXPECT_TRUE(Checked("rbtLMode0"));
  EXPECT_TRUE(Checked("rbtLWidth1"));
}

// The menu item chosen while the window is up only brings it forward: the choices made in it
// and the place the user moved it to stay.
TEST_F(LineKindWindowTest, ChosenAgainWhileUpKeepsTheChoicesAndThePlace) {
  Open();
  Click("rbtLMode1");
  Click("rbtLWidth3");
  dialog().move(200, 150);
  Open();
  EXPECT_TRUE(Checked("rbtLMode1"));
  EXPECT_TRUE(Checked("rbtLWidth3"));
  EXPECT_EQ(dialog().pos(), QPoint(200, 150));
}

TEST_F(LineKindWindowTest, OkWithRightAndExcludedPressesTheRightButtonAndDrawsAnOpenEnd) {
  ClickLattice(1, 1);  // drawn before: keeps its width
  Open();
  Click("rbtLMode2");
  Click("rbtHanHeniki1");
  Click("rbtLWidth3");
  Click("btnOK");
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(main().spdRight->isChecked());
  EXPECT_FALSE(main().spdAll->isChecked());
  EXPECT_EQ(main().edtLineMode->text(), U("右側"));
  EXPECT_EQ(main().edtHeniki->text().trimmed(), U("＜"));
  ClickLattice(2, 3);
  ClickLattice(1, 0);
  const Work& work = main().editor().OpenWork();
  ASSERT_EQ(work.Count(), 2);
  EXPECT_EQ(work.Curve(0).LWidth, 1);
  const TLineData& line = work.Curve(1);
  EXPECT_EQ(line.LMode, kModeRight);
  EXPECT_EQ(line.LWidth, 3);
  EXPECT_EQ(line.HenikiKind, 1);
  EXPECT_FALSE(line.IncStart);
  EXPECT_FALSE(line.IncEnd);
}

TEST_F(LineKindWindowTest, WholeWithOkResetsBothKinds) {
  QTest::mouseClick(main().spdCenter, Qt::LeftButton);
  QTest::mouseClick(main().spdSample, Qt::LeftButton);
  Open();
  Click("rbtLMode2");
  Click("rbtHanHeniki1");
  Click("rbtLMode0");
  Click("btnOK");
  EXPECT_EQ(state().LineMode, kModeWhole);
  EXPECT_EQ(state().SenbunKind, 0);
  EXPECT_EQ(state().HanchokusenKind, 0);
  EXPECT_TRUE(main().spdAll->isChecked());
  EXPECT_FALSE(main().spdCenter->isChecked());
}

}  // namespace
