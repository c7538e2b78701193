// 座標面の設定 driven through its own buttons, edits and spins, with the main window showing
// the plane it edits (a 1024 × 768 screen: the largest plane is 544 pixels).
#include "windows/frm_set_cood.h"
#include "platform/qt_text.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <map>
#include <memory>

#include "render/coordinate_plane.h"
#include "settings/display_scale.h"
#include "support/core/scripted_prompter.h"
#include "support/gui/pixels.h"
#include "support/gui/qt_print.h"
#include "windows/frm_program.h"

namespace {

class PlaneSettingsWindowTest : public ::testing::Test {
 protected:
  // The program starts over whatever the settings file holds then.
  explicit PlaneSettingsWindowTest(std::map<QString, QVariant> stored = {}) {
    QSettings settings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin"));
    settings.clear();
    for (const auto& [key, value] : stored) settings.setValue(key, value);
    settings.sync();
    program = std::make_unique<TProgram>(&prompter);
    main().show();
    (void)QTest::qWaitForWindowExposed(&main());
  }

  TfrmMain& main() { return program->frmMain; }
  TfrmSetCood& dialog() { return program->frmSetCood; }
  const QtCanvas& plane() { return main().planeCanvas; }
  const PlaneGeometry& geometry() { return main().editor().Geometry(); }

  void Open() { main().findChild<QAction*>("mnuSetCood")->trigger(); }
  void Click(const char* name) {
    auto* button = dialog().findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  // Replaces what a control holds by typing, as the user would.
  static void TypeInto(QWidget* control, const QString& text) {
    control->setFocus();
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control, Qt::Key_Delete);
    QTest::keyClicks(control, text);
  }

  // Black pixels (scale numbers) in a rectangle of the plane.
  int BlackIn(int left, int top, int width, int height) {
    int n = 0;
    for (int x = std::max(left, 0); x < std::min(left + width, plane().Width()); ++x) {
      for (int y = std::max(top, 0); y < std::min(top + height, plane().Height()); ++y) {
        if (At(plane(), x, y) == kBlack) ++n;
      }
    }
    return n;
  }
  // The leftmost column holding black in a band of rows, or -1.
  int LeftmostBlack(int top, int height) {
    for (int x = 0; x < plane().Width(); ++x) {
      if (BlackIn(x, top, 1, height) > 0) return x;
    }
    return -1;
  }

  ScriptedPrompter prompter;
  std::unique_ptr<TProgram> program;
};

TEST_F(PlaneSettingsWindowTest, OpensModelessAtTheTopLeftWithEveryControl) {
  Open();
  ASSERT_TRUE(dialog().isVisible());
  EXPECT_FALSE(dialog().isModal());
  EXPECT_EQ(dialog().pos(), QPoint(0, 0));
  EXPECT_TRUE(main().isEnabled());
  EXPECT_FALSE(program->frmSetCood2.isVisible());
  for (const CoodPreset& preset : kCoodPresets) {
    auto* button = dialog().findChild<QPushButton*>(preset.name);
    ASSERT_NE(button, nullptr) << preset.name;
    EXPECT_EQ(button->text(), U(preset.caption)) << preset.name;
  }
  const std::vector<std::pair<QLineEdit*, const char*>> edits = {
      {dialog().edtSizeX, "-99"}, {dialog().edtSizeY, "-99"},  {dialog().edtDX, "16"},
      {dialog().edtDY, "16"},     {dialog().edtStartX, "-99"}, {dialog().edtStartY, "-99"},
      {dialog().edtEndX, "99"},   {dialog().edtEndY, "99"}};
  for (const auto& [edit, text] : edits) EXPECT_EQ(edit->text(), text) << text;
  EXPECT_EQ(dialog().spnScaleNumberX->value(), 5);
  EXPECT_EQ(dialog().spnScaleNumberY->maximum(), 20);
  EXPECT_EQ(dialog().spnFontSize->value(), 12);
  EXPECT_EQ(dialog().spnFontSize->minimum(), 8);
  EXPECT_FALSE(dialog().spnYohaku->isVisible());
  const std::vector<std::pair<QCheckBox*, const char*>> boxes = {
      {dialog().chkXY, "X,Yを付ける"},
      {dialog().chkMemori, "目盛を付ける"},
      {dialog().chkZahyou, "座標を表示する"}};
  for (const auto& [box, caption] : boxes) {
    EXPECT_EQ(box->text(), U(caption));
    EXPECT_TRUE(box->isChecked());
  }
  EXPECT_EQ(dialog().chkKeep->text(), U("この設定を保存する"));
  EXPECT_FALSE(dialog().chkKeep->isChecked());
  EXPECT_EQ(dialog().btnTest->text(), U("テスト(&T)"));
  EXPECT_EQ(dialog().btnCancel->text(), U("ｷｬﾝｾﾙ"));
  EXPECT_EQ(dialog().property("helpTopic").toInt(), 322);
}

TEST_F(PlaneSettingsWindowTest, TheMainPlaneFollowsTheSizeButtonsAtOnce) {
  Open();
  EXPECT_EQ(main().imgCood->width(), 544);
  EXPECT_EQ(At(plane(), 272, 100), kGrey);  // y axis of the 544 plane
  Click("btnChuX");
  Click("btnShouY");
  EXPECT_EQ(main().imgCood->width(), 256);
  EXPECT_EQ(main().imgCood->height(), 160);
  ASSERT_EQ(plane().Width(), 256);
  EXPECT_EQ(geometry().OriginX, 128);
  EXPECT_EQ(At(plane(), 128, 20), kGrey);
  EXPECT_EQ(At(plane(), 127, 20), kGrey);
  EXPECT_EQ(At(plane(), 129, 20), kWhite);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PlaneSettingsWindowTest, TheMainPlaneFollowsTheSpacingButtons) {
  Open();
  const int originX = geometry().OriginX;
  EXPECT_EQ(At(plane(), originX + 8, 100), kWhite);
  Click("btnSCM");
  EXPECT_EQ(geometry().DX, 8);
  EXPECT_EQ(At(plane(), originX + 8, 100), kSilver);
  EXPECT_EQ(At(plane(), originX + 12, 100), kWhite);
  Click("btnSYS");
  EXPECT_EQ(geometry().DY, 4);
}

TEST_F(PlaneSettingsWindowTest, TheNumberingIntervalTakesEffectAtTest) {
  Open();
  const int originX = geometry().OriginX;
  const int originY = geometry().OriginY;
  // Where "  2" is written under the x axis: half a unit right of the axis.
  auto numberAtTwo = [&] { return BlackIn(originX + 7, originY + 1, 28, 16); };
  EXPECT_EQ(numberAtTwo(), 0);
  TypeInto(dialog().spnScaleNumberX, "2");
  EXPECT_EQ(dialog().spnScaleNumberX->value(), 2);
  EXPECT_EQ(numberAtTwo(), 0) << "no redraw before Test";
  Click("btnTest");
  EXPECT_GT(numberAtTwo(), 0);
  TypeInto(dialog().spnScaleNumberX, "0");
  Click("btnTest");
  // The axis letter x stands at the right edge, level with the numbers.
  EXPECT_EQ(BlackIn(0, originY + 1, plane().Width() - 40, 16), 0) << "no x numbers at all";
}

TEST_F(PlaneSettingsWindowTest, TheFontSizeShiftsTheScaleNumbers) {
  Open();
  // The band of rows of the y number 10.
  const int top = geometry().OriginY - 10 * geometry().DY;
  const int before = LeftmostBlack(top, 16);
  ASSERT_GT(before, 0);
  TypeInto(dialog().spnFontSize, "20");
  Click("btnTest");
  // (12 - 20) × 0.1 units further left: 0.8 × 16 pixels, rounded.
  EXPECT_EQ(LeftmostBlack(top, 16), before - 13);
}

TEST_F(PlaneSettingsWindowTest, EntriesAreReportedAtTestNotWhileTyping) {
  Open();
  TypeInto(dialog().edtSizeY, "-99");  // the lone "-" on the way is no error
  TypeInto(dialog().edtSizeX, "600");
  EXPECT_TRUE(prompter.messages.empty());
  Click("btnTest");
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"値の範囲は160以上544以下です"});
  EXPECT_EQ(dialog().edtSizeX->text(), "-99");
  EXPECT_EQ(plane().Width(), 544);

  prompter.messages.clear();
  TypeInto(dialog().edtDX, "2");
  Click("btnTest");
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"値の範囲は4以上32以下です"});
  EXPECT_EQ(dialog().edtDX->text(), "2");
  EXPECT_EQ(geometry().DX, 16);

  prompter.messages.clear();
  TypeInto(dialog().edtDX, "8");
  TypeInto(dialog().edtStartX, "abc");
  Click("btnTest");
  EXPECT_EQ(prompter.messages,
            std::vector<std::string>{"目盛開始（X座標）には整数を入力してください"});
  EXPECT_EQ(dialog().edtStartX->text(), "-99");
  EXPECT_EQ(geometry().DX, 16) << "nothing redrawn with a refused entry";
}

TEST_F(PlaneSettingsWindowTest, EscapeCancelsBackToTheShownValuesButKeepsTheSpacing) {
  Open();
  Click("btnChuX");
  Click("btnSCM");
  TypeInto(dialog().spnScaleNumberY, "3");
  QTest::keyClick(&dialog(), Qt::Key_Escape);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(dialog().edtSizeX->text(), "-99");
  EXPECT_EQ(dialog().spnScaleNumberY->value(), 5);
  EXPECT_EQ(dialog().edtDX->text(), "8");
  EXPECT_EQ(plane().Width(), 544);
  EXPECT_EQ(geometry().DX, 8);
  EXPECT_EQ(program->planeSettings.spnScaleNumberY, 5);
}

TEST_F(PlaneSettingsWindowTest, EndButtonsWaitForTheNextTest) {
  Open();
  const int originY = geometry().OriginY;
  auto xNumbersRightOfThree = [&] {
    return BlackIn(geometry().OriginX + 4 * geometry().DX, originY + 1, 150, 16);
  };
  TypeInto(dialog().edtEndX, "3");
  Click("btnTest");
  EXPECT_EQ(xNumbersRightOfThree(), 0);
  const QImage before = plane().Image().copy();
  Click("btnEndXNo");
  EXPECT_EQ(dialog().edtEndX->text(), "99");
  EXPECT_EQ(plane().Image(), before);
  Click("btnTest");
  EXPECT_GT(xNumbersRightOfThree(), 0);
}

TEST_F(PlaneSettingsWindowTest, OkWithKeepStoresWhatTheNextStartShows) {
  Open();
  Click("btnChuX");
  Click("btnChuY");
  Click("btnSCM");
  Click("btnSYM");
  TypeInto(dialog().edtStartY, "-2");
  TypeInto(dialog().spnScaleNumberX, "2");
  TypeInto(dialog().spnFontSize, "16");
  QTest::mouseClick(dialog().chkXY, Qt::LeftButton);
  QTest::mouseClick(dialog().chkKeep, Qt::LeftButton);
  QTest::mouseClick(dialog().btnOk, Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(geometry().StartY, -2);

  // What is on disk, read apart from the program's store.
  const QString file = QSettings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin")).fileName();
  QSettings onDisk(file, QSettings::IniFormat);
  const std::vector<std::pair<const char*, const char*>> kept = {
      {"SizeX", "256"},      {"SizeY", "256"},      {"ScaleX", "8"},     {"ScaleY", "8"},
      {"StartX", "-99"},     {"StartY", "-2"},      {"EndX", "99"},      {"EndY", "99"},
      {"ScaleNumberX", "2"}, {"ScaleNumberY", "5"}, {"FontSize", "16"},  {"Yohaku", "1"},
      {"chkXY", "0"},        {"chkMemori", "1"},    {"FontSizeV", "12"}, {"YohakuV", "1"}};
  for (const auto& [key, value] : kept) EXPECT_EQ(onDisk.value(key).toString(), value) << key;

  // The next start: a new store and a new window over the file.
  QtSettingsStore store;
  PlaneSettings settings;
  TfrmSetCood next(nullptr, "frmSetCood", settings, store, prompter, 544);
  next.show();
  EXPECT_EQ(next.edtSizeX->text(), "256");
  EXPECT_EQ(next.edtDY->text(), "8");
  EXPECT_EQ(next.edtStartY->text(), "-2");
  EXPECT_EQ(next.spnScaleNumberX->value(), 2);
  EXPECT_EQ(next.spnFontSize->value(), 16);
  EXPECT_FALSE(next.chkXY->isChecked());
  EXPECT_FALSE(next.chkKeep->isChecked());
  EXPECT_EQ(settings.spnFontSize, 16);
  next.hide();
}

// 表示の倍率 is kept on OK, keep box or not, as the scale factor the next start applies.
TEST_F(PlaneSettingsWindowTest, OkStoresTheDisplayScaleForTheNextStart) {
  Open();
  dialog().cmbDisplayScale->setCurrentIndex(dialog().cmbDisplayScale->findData(200));
  QTest::mouseClick(dialog().btnOk, Qt::LeftButton);
  const QString file = QSettings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin")).fileName();
  const int32_t stored = QSettings(file, QSettings::IniFormat).value(kDisplayScaleKey).toInt();
  EXPECT_EQ(ScaleFactorText(DisplayScaleOf(stored)), "2");
  Open();
  EXPECT_EQ(dialog().cmbDisplayScale->currentData().toInt(), 200);
}

TEST_F(PlaneSettingsWindowTest, PracticePlanesKeepTheSettingsOfTheStart) {
  Open();
  Click("btnSCS");
  TypeInto(dialog().spnFontSize, "20");
  QTest::mouseClick(dialog().chkKeep, Qt::LeftButton);
  QTest::mouseClick(dialog().btnOk, Qt::LeftButton);
  EXPECT_EQ(program->planeSettings.AcceptedDX, 4);
  EXPECT_EQ(program->planeSettings2.AcceptedDX, 16);
  EXPECT_EQ(program->planeSettings2.spnFontSize, 12);
}

TEST_F(PlaneSettingsWindowTest, OkWithoutKeepAppliesButStoresNothing) {
  Open();
  Click("btnChuX");
  QTest::mouseClick(dialog().btnOk, Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(plane().Width(), 256);
  EXPECT_EQ(QSettings(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin")).value("SizeX"),
            QVariant("-99"));
}

class StoredFromALargerScreen : public PlaneSettingsWindowTest {
 protected:
  StoredFromALargerScreen()
      : PlaneSettingsWindowTest({{"SizeX", "600"}, {"SizeY", "384"}, {"ScaleX", "2"}}) {}
};

TEST_F(StoredFromALargerScreen, ReadsAsTheLargestPlaneAndCancelStillPasses) {
  EXPECT_EQ(plane().Width(), 544);
  EXPECT_EQ(plane().Height(), 384);
  EXPECT_EQ(geometry().DX, 16);
  Open();
  EXPECT_EQ(dialog().edtSizeX->text(), "-99");
  EXPECT_EQ(dialog().edtDX->text(), "16");
  QTest::mouseClick(dialog().btnCancel, Qt::LeftButton);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
