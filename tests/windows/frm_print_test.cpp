#include "windows/frm_print.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "model/cp932.h"
#include "platform/image_view.h"
#include "platform/qt_text.h"
#include "render/coordinate_plane.h"
#include "support/core/fake_printer.h"
#include "support/core/scripted_prompter.h"
#include "support/gui/qt_print.h"
#include "windows/frm_program.h"

namespace {

class FixedClock : public Clock {
 public:
  DateTime Now() const override { return {2003, 6, 5, 9, 5, 30}; }
  int64_t TickMs() const override { return 0; }
};

const QRect kMainPlace(20, 10, 1000, 740);

class PrintWindowTest : public ::testing::Test {
 protected:
  PrintWindowTest() : window(nullptr, clock, prompter, &printer) { DrawPlane(384); }

  void DrawPlane(int size) {
    PlaneSettings settings;
    settings.edtSizeX = settings.edtSizeY = std::to_string(size);
    EditorState state;
    state.MaxCoodSize = 544;
    DrawCood(plane, settings, state);
  }
  void Show() { window.FormShow(plane, ToCp932("反比例.mvr"), kMainPlace); }

  // The preview as it should be for these spins and edits.
  QImage Expected(const PreviewLayout& layout) {
    QtCanvas expected(kPreviewSize, kPreviewSize);
    DrawPrintPreview(expected, plane, layout, FromQString(window.edtFile->text()),
                     FromQString(window.edtTitle->text()));
    return expected.Image().copy();
  }

  FixedClock clock;
  ScriptedPrompter prompter;
  FakePrinter printer;
  QtCanvas plane{10, 10};
  TfrmPrint window;
};

TEST_F(PrintWindowTest, ControlsWithTheirCaptionsRangesAndDefaults) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("グラフの印刷"));
  struct Spin {
    QSpinBox* spin;
    int low, high, value;
  } spins[] = {{window.spnLeft, 0, 200, 50},
               {window.spnTop, 0, 200, 50},
               {window.spnShukusho, 50, 100, 100}};
  Show();
  for (const Spin& s : spins) {
    EXPECT_EQ(s.spin->minimum(), s.low) << s.spin->objectName().toStdString();
    EXPECT_EQ(s.spin->maximum(), s.high) << s.spin->objectName().toStdString();
    EXPECT_EQ(s.spin->singleStep(), 10);
    EXPECT_EQ(s.spin->value(), s.value);
  }
  EXPECT_EQ(window.findChild<QGroupBox*>("grpShukusho")->title(),
            QString::fromUtf8("サイズ（％）"));
  EXPECT_EQ(window.btnSettei->text(), QString::fromUtf8("プリンタ設定"));
  EXPECT_EQ(window.btnPrint->text(), QString::fromUtf8("印刷開始"));
  EXPECT_EQ(window.btnClose->text(), QString::fromUtf8("閉じる"));
  EXPECT_EQ(window.imgCoodX->size(), QSize(640, 640));
}

TEST_F(PrintWindowTest, ShowingFillsTitleHeaderPreviewAndPageSizeAtTheMainWindowsPlace) {
  window.edtTitle->setText("old");
  Show();
  EXPECT_EQ(window.geometry(), kMainPlace);
  EXPECT_EQ(window.edtTitle->text(), QString::fromUtf8("Kelvado 反比例（中学版）"));
  EXPECT_EQ(window.edtFile->text(), QString::fromUtf8("反比例.mvr  2003.06.05  09:05"));
  EXPECT_EQ(window.lblPWidth->text(), QString::fromUtf8("W：4800"));
  EXPECT_EQ(window.lblPHeight->text(), QString::fromUtf8("H：6800"));
  EXPECT_EQ(window.previewCanvas.Image(), Expected(PreviewLayout{}));
}

struct ChangeCase {
  const char* name;
  std::function<void(TfrmPrint&)> change;
  PreviewLayout layout;
};

class PreviewFollows : public PrintWindowTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(PreviewFollows, EveryChangeOfTheSpinsAndEdits) {
  Show();
  const QImage before = window.previewCanvas.Image().copy();
  GetParam().change(window);
  EXPECT_NE(window.previewCanvas.Image(), before);
  EXPECT_EQ(window.previewCanvas.Image(), Expected(GetParam().layout));
}

INSTANTIATE_TEST_SUITE_P(
    TfrmPrint, PreviewFollows,
    ::testing::Values(
        ChangeCase{
            "LeftUp", [](TfrmPrint& w) { QTest::keyClick(w.spnLeft, Qt::Key_Up); }, {60, 50, 100}},
        ChangeCase{"TopDown",
                   [](TfrmPrint& w) { QTest::keyClick(w.spnTop, Qt::Key_Down); },
                   {50, 40, 100}},
        ChangeCase{"ScaleDown",
                   [](TfrmPrint& w) { QTest::keyClick(w.spnShukusho, Qt::Key_Down); },
                   {50, 50, 90}},
        ChangeCase{
            "TitleTyped", [](TfrmPrint& w) { QTest::keyClicks(w.edtTitle, "2"); }, {50, 50, 100}},
        ChangeCase{"HeaderCleared", [](TfrmPrint& w) { w.edtFile->clear(); }, {50, 50, 100}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(PrintWindowTest, ALargePlaneStartsAtAScaleThatFitsAndTheSpinsStopAtTheEdge) {
  DrawPlane(800);
  Show();
  EXPECT_EQ(window.spnShukusho->value(), 70);
  EXPECT_EQ(window.spnShukusho->maximum(), 70);
  EXPECT_EQ(window.spnLeft->maximum(), 80);  // 640 − 560
  QTest::keyClick(window.spnShukusho, Qt::Key_Down);
  EXPECT_EQ(window.spnLeft->maximum(), 160);  // 640 − 480
  // Back to a small plane: the full ranges, the scale where it was left.
  DrawPlane(384);
  Show();
  EXPECT_EQ(window.spnShukusho->value(), 60);
  EXPECT_EQ(window.spnShukusho->maximum(), 100);
  EXPECT_EQ(window.spnLeft->maximum(), 200);
}

TEST_F(PrintWindowTest, PrintAsksForThePrinterOnceAfterShowingAndPrintsThePreview) {
  Show();
  printer.page = {2892, 4090};
  QTest::mouseClick(window.btnPrint, Qt::LeftButton);
  QTest::mouseClick(window.btnPrint, Qt::LeftButton);
  EXPECT_EQ(printer.setups, 1);
  ASSERT_EQ(printer.jobs.size(), 2u);
  EXPECT_EQ(printer.jobs[0], (PixelRect{0, 0, 2892, 2892}));
  EXPECT_EQ(printer.lastPicture, &window.previewCanvas);
  EXPECT_EQ(window.lblPWidth->text(), QString::fromUtf8("W：2892"));  // the page chosen

  Show();
  printer.setupAnswers = {false};
  QTest::mouseClick(window.btnPrint, Qt::LeftButton);
  EXPECT_EQ(printer.setups, 2);
  EXPECT_EQ(printer.jobs.size(), 2u);  // cancelled: nothing printed

  printer.page = {4090, 2892};
  QTest::mouseClick(window.btnSettei, Qt::LeftButton);
  EXPECT_EQ(window.lblPWidth->text(), QString::fromUtf8("W：4090"));
  EXPECT_EQ(window.lblPHeight->text(), QString::fromUtf8("H：2892"));
  QTest::mouseClick(window.btnPrint, Qt::LeftButton);
  EXPECT_EQ(printer.setups, 3);
  EXPECT_EQ(printer.jobs.size(), 3u);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST(PrintWindow, OpensModallyFromTheProgramOverTheMainWindowAndCloses) {
  ScriptedPrompter prompter;
  TProgram program(&prompter);
  program.frmMain.show();
  (void)QTest::qWaitForWindowExposed(&program.frmMain);
  bool seen = false;
  QTimer::singleShot(0, &*program.frmPrint, [&] {
    seen = program.frmPrint->isVisible() && program.frmPrint->isModal();
    EXPECT_EQ(program.frmPrint->geometry(), program.frmMain.geometry());
    EXPECT_TRUE(program.frmPrint->edtFile->text().startsWith("Mevrolin.mvr  "));
    QTest::mouseClick(program.frmPrint->btnClose, Qt::LeftButton);
  });
  program.Show(ProgramWindow::Print);
  EXPECT_TRUE(seen);
  EXPECT_FALSE(program.frmPrint->isVisible());
}

}  // namespace
