// The practice window and its dialogs as a pupil uses them: real mouse presses on the practice
// plane and real button clicks in the modal dialogs, scripted step by step as each window comes
// up. The window's timer is slowed to an hour so that the seconds counted are the ticks a test
// gives.
#include "windows/frm_renshu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "model/cp932.h"
#include "model/equation_text.h"
#include "platform/qt_text.h"
#include "storage/document_buffer.h"
#include "storage/work_file.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"
#include "support/gui/modal.h"
#include "support/gui/pixels.h"
#include "support/gui/qt_print.h"
#include "windows/frm_program.h"

namespace {

class FixedClock : public Clock {
 public:
  DateTime Now() const override { return {2003, 6, 5, 9, 5, 41}; }
  int64_t TickMs() const override { return 0; }
};

struct RecordCall {
  std::string folder;
  std::string section;
  std::string value;
};

// The pointer moved over a widget with no button pressed (the test tool moves the platform's
// cursor, which the offscreen platform does not pass on).
void Hover(QWidget* widget, const QPoint& at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

std::string C(const char* utf8) { return ToCp932(utf8); }
TLineData WholeCurve(int32_t x1, int32_t y1, int32_t color) {
  TLineData line;
  line.LWidth = 1;
  line.Color = color;
  line.X1 = x1;
  line.Y1 = y1;
  line.X2 = line.Y2 = kOpenLeft;
  line.HenikiStart = kOpenLeft;
  line.HenikiEnd = kOpenRight;
  line.IncStart = line.IncEnd = true;
  line.Shiki = EquationText(line, EquationForm::Standard);
  return line;
}

class PracticeWindowTest : public ::testing::Test {
 protected:
  PracticeWindowTest() : program(&prompter) {
    program.frmMain.show();
    (void)QTest::qWaitForWindowExposed(&program.frmMain);
    renshu().UseClock(clock);
    renshu().UseRecordWriter([this](const std::string& progDir, const std::string& section,
                                    const std::string& value, Prompter&) {
      records.push_back({progDir, section, value});
      return true;
    });
    renshu().timSecond->setInterval(3600 * 1000);
  }

  TfrmRenshu& renshu() { return *program.frmRenshu; }
  PracticeRun& run() { return program.frmRenshu->run(); }

  // A test file of the unit library, read the way the unit window reads it for practice.
  PracticeSet TestUnit(const std::vector<TLineData>& curves) {
    std::string bytes = C("反比例のグラフ") + "\r\n";
    for (const TLineData& curve : curves) {
      for (const std::string& line : CurveLines(curve)) bytes += line + "\r\n";
    }
    TempFolder::Write(folder / "unit.tst", bytes);
    std::vector<std::string> scratch;
    std::array<TLineData, kMaxLines + 1> data{};
    std::vector<std::string> items;
    const int32_t n = LoadPreviewFile(folder / "unit.tst", prompter, scratch, data, items);
    PracticeSet set;
    set.curves.assign(data.begin(), data.begin() + n);
    set.unitName = scratch.empty() ? std::string() : scratch.front();
    return set;
  }

  // A press of the left button on a lattice point of the practice plane, and its release.
  void Press(int32_t x, int32_t y) {
    const PixelPoint p = run().Geometry().LatticeToPixel(x, y);
    QTest::mousePress(renshu().imgCood, Qt::LeftButton, {}, QPoint(p.x, p.y));
    QTest::mouseRelease(renshu().imgCood, Qt::LeftButton, {}, QPoint(p.x, p.y));
  }
  // Steps in the practice window: a few seconds of its timer, then a press.
  void Answer(int32_t seconds, int32_t x, int32_t y) {
    script.Then("frmRenshu", [=, this](QWidget*) {
      for (int32_t i = 0; i < seconds; ++i) renshu().timSecondTimer();
      Press(x, y);
    });
  }
  void Choose(const char* dialog, QPushButton* button) {
    script.Then(dialog, [button](QWidget*) { QTest::mouseClick(button, Qt::LeftButton); });
  }

  ScriptedPrompter prompter;
  TProgram program;
  FixedClock clock;
  TempFolder folder;
  std::vector<RecordCall> records;
  ModalScript script;
};

TEST_F(PracticeWindowTest, AWholePracticeIsMarkedReviewedAndRecordedByteForByte) {
  const PracticeSet set = TestUnit(
      {WholeCurve(2, 3, 0xFF0000), WholeCurve(-3, 4, 0x0000FF), WholeCurve(1, 5, 0x008000)});
  ASSERT_EQ(set.curves.size(), 3u);
  QString caption;
  QStringList lines;
  QString endMessage;
  bool reviewFocused = false;
  bool recordButton = false;

  script.Then("frmRenshu", [&](QWidget*) { caption = renshu().windowTitle(); });
  Answer(5, -2, -3);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  Answer(30, 1, 1);
  Choose("frmAyamari", program.frmAyamari->btnTeisei);
  Answer(40, 3, -4);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  Answer(9, 5, 1);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  script.Then("frmOwari", [&](QWidget*) {
    for (int i = 0; i < renshu().lstRecord->count(); ++i) {
      lines << renshu().lstRecord->item(i)->text();
    }
    endMessage = program.frmOwari->edtMess->text();
    reviewFocused = program.frmOwari->focusWidget() == program.frmOwari->btnFukushu;
    recordButton = program.frmOwari->btnShowRecord->isVisible();
  });
  Choose("frmOwari", program.frmOwari->btnFukushu);
  // The review poses the missed second question alone, as (1).
  QString reviewCaption;
  QString reviewLines;
  script.Then("frmRenshu", [&](QWidget*) {
    reviewCaption = renshu().lblMess->text();
    reviewLines =
        renshu().lstRecord->item(0)->text() + "|" + QString::number(renshu().lstRecord->count());
  });
  Answer(3, -3, 4);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  QString reviewEnd;
  bool reviewEnabled = true;
  script.Then("frmOwari", [&](QWidget*) {
    reviewEnd = program.frmOwari->edtMess->text();
    reviewEnabled = program.frmOwari->btnFukushu->isEnabled();
  });
  Choose("frmOwari", program.frmOwari->btnEnd);
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(renshu().isVisible());
  EXPECT_EQ(caption, U("練習　反比例のグラフ"));
  EXPECT_EQ(lines, (QStringList{U("(1)○ 00分05秒"), U("(2)× 01分10秒"), U("(3)○ 00分09秒"),
                                U("------------"), U("      01分24秒")}));
  EXPECT_EQ(endMessage, U("　　終了しました"));
  EXPECT_TRUE(reviewFocused);
  EXPECT_TRUE(recordButton);
  EXPECT_EQ(reviewCaption, U("(1)次の関数のグラフをかきなさい"));
  EXPECT_EQ(reviewLines, U("(1)|1"));
  EXPECT_EQ(reviewEnd, U("　復習を終わりました"));
  EXPECT_FALSE(reviewEnabled);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].folder, program.frmMain.editor().State().ProgDirPath);
  EXPECT_EQ(records[0].section, C("反比例のグラフ"));
  // 2003年06月05日 09:05 ○×○ 01分24秒, as its CP932 bytes.
  EXPECT_EQ(records[0].value,
            "2003\x94N06\x8C\x8E"
            "05\x93\xFA 09:05 \x81\x9B\x81~\x81\x9B 01\x95\xAA"
            "24\x95\x62");
}

TEST_F(PracticeWindowTest, ShowingTheAnswerDrawsItBlackAndDisablesItselfForTheQuestion) {
  PracticeSet set;
  set.unitName = C("単元");
  set.curves = {WholeCurve(2, 3, 0x0000FF), WholeCurve(-1, 4, 0x0000FF)};
  TColor before = kWhite;
  TColor after = kWhite;
  QString secondMessage;
  bool giveUpEnabled = true;
  const auto onCurve = [this] {
    // (3, 2) is a sample of the traced branch, so the curve passes through its pixel; read
    // from what the window shows.
    const PixelPoint p = run().Geometry().LatticeToPixel(3, 2);
    return FromQColor(renshu().imgCood->grab().toImage().pixelColor(p.x, p.y));
  };
  script.Then("frmRenshu", [&](QWidget*) { before = onCurve(); });
  Answer(0, 1, 1);
  Choose("frmAyamari", program.frmAyamari->btnGiveup);
  script.Then("frmRenshu", [&](QWidget*) { after = onCurve(); });
  Answer(0, 2, 2);
  script.Then("frmAyamari", [&](QWidget*) {
    secondMessage = program.frmAyamari->edtMess->text();
    giveUpEnabled = program.frmAyamari->btnGiveup->isEnabled();
  });
  Choose("frmAyamari", program.frmAyamari->btnTeisei);
  Answer(0, 6, 1);
  // 中止 before the last question: the window closes and nothing is recorded.
  Choose("frmSeikai", program.frmSeikai->btnCancel);
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_NE(before, kBlack);
  EXPECT_EQ(after, kBlack);
  EXPECT_EQ(secondMessage, U("正解を表示しています"));
  EXPECT_FALSE(giveUpEnabled);
  EXPECT_FALSE(renshu().isVisible());
  EXPECT_TRUE(records.empty());
}

TEST_F(PracticeWindowTest, CancelOnTheLastQuestionRecordsAndEndsGreenWithoutAnotherRun) {
  PracticeSet set;
  set.unitName = C("単元");
  set.curves = {WholeCurve(2, 3, 0x0000FF)};
  bool retryEnabled = true;
  bool reviewEnabled = true;
  bool endFocused = false;
  QColor colour;
  Answer(0, 3, 2);
  Choose("frmSeikai", program.frmSeikai->btnCancel);
  script.Then("frmOwari", [&](QWidget*) {
    retryEnabled = program.frmOwari->btnRetry->isEnabled();
    reviewEnabled = program.frmOwari->btnFukushu->isEnabled();
    endFocused = program.frmOwari->focusWidget() == program.frmOwari->btnEnd;
    colour = program.frmOwari->palette().color(QPalette::Window);
  });
  Choose("frmOwari", program.frmOwari->btnEnd);
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(retryEnabled);
  EXPECT_FALSE(reviewEnabled);
  EXPECT_TRUE(endFocused);
  EXPECT_EQ(FromQColor(colour), 0x008000);
  EXPECT_EQ(records.size(), 1u);
  EXPECT_FALSE(renshu().isVisible());
}

TEST_F(PracticeWindowTest, ATestOfTheEditorsCurvesHidesTheRecordsAndRecordsNothing) {
  PracticeSet set;
  set.curves = {WholeCurve(2, 3, 0x0000FF)};
  set.testMode = true;
  QString caption;
  bool recordButton = true;
  script.Then("frmRenshu", [&](QWidget*) { caption = renshu().windowTitle(); });
  Answer(0, 2, 3);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  script.Then("frmOwari",
              [&](QWidget*) { recordButton = program.frmOwari->btnShowRecord->isVisible(); });
  Choose("frmOwari", program.frmOwari->btnEnd);
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_EQ(caption, U("練習　"));
  EXPECT_FALSE(recordButton);
  EXPECT_TRUE(records.empty());
}

TEST_F(PracticeWindowTest, TheRecordsViewerOpensOverTheEndDialogAndReturnsToIt) {
  PracticeSet set;
  set.unitName = C("単元");
  set.curves = {WholeCurve(2, 3, 0x0000FF)};
  Answer(0, 2, 3);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  Choose("frmOwari", program.frmOwari->btnShowRecord);
  script.Then("frmKiroku", [](QWidget* viewer) { static_cast<QDialog*>(viewer)->reject(); });
  Choose("frmOwari", program.frmOwari->btnRetry);
  script.Then("frmRenshu", [this](QWidget*) { renshu().btnEnd->click(); });
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_EQ(records.size(), 1u);  // the retry was left unfinished
}

TEST_F(PracticeWindowTest, MarksHintAndPointerAreShownOnTheWindowsImages) {
  PracticeSet set;
  set.unitName = C("単元");
  set.curves = {WholeCurve(2, 3, 0x0000FF)};
  TColor cross = 0;
  TColor beside = 0;
  TColor ring = 0;
  QString pointer;
  QString outside = U("?");
  bool arrowShown = false;
  bool arrowGone = false;
  script.Then("frmRenshu", [&](QWidget*) {
    const PixelPoint p = run().Geometry().LatticeToPixel(2, 3);
    Hover(renshu().imgCood, QPoint(p.x + 2, p.y - 3));
    pointer = renshu().edtCood->text();
    Hover(&renshu(), QPoint(5, 5));
    outside = renshu().edtCood->text();
    const QImage plain = renshu().planeCanvas.Image().copy();
    QTest::mouseClick(renshu().Button1, Qt::LeftButton);
    arrowShown = renshu().planeCanvas.Image() != plain;
    QTest::mouseClick(renshu().Button1, Qt::LeftButton);
    arrowGone = renshu().planeCanvas.Image() == plain;
    Press(1, 1);
  });
  script.Then("frmAyamari", [&](QWidget* dialog) {
    cross = At(renshu().ansCanvas, 150, 50);
    beside = At(renshu().ansCanvas, 195, 5);
    QTest::mouseClick(static_cast<TfrmAyamari*>(dialog)->btnTeisei, Qt::LeftButton);
  });
  Answer(0, 2, 3);
  script.Then("frmSeikai", [&](QWidget*) {
    ring = At(renshu().ansCanvas, 50, 1);
    QTest::mouseClick(program.frmSeikai->btnNext, Qt::LeftButton);
  });
  Choose("frmOwari", program.frmOwari->btnEnd);
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_EQ(pointer, U(" (  2,  3)"));
  EXPECT_EQ(outside, QString());
  EXPECT_TRUE(arrowShown);
  EXPECT_TRUE(arrowGone);
  // The cross turns the teal panel red and leaves the rest of it alone; the ring is the cyan
  // pen combined by not-xor.
  EXPECT_EQ(cross, 0x0000FF);
  EXPECT_EQ(beside, 0x808000);
  EXPECT_EQ(ring, 0x8080FF);
}

TEST_F(PracticeWindowTest, TheClockRunsOnWhileADialogIsOpen) {
  renshu().timSecond->setInterval(20);
  PracticeSet set;
  set.unitName = C("単元");
  set.curves = {WholeCurve(2, 3, 0x0000FF), WholeCurve(1, 2, 0x0000FF)};
  int32_t seconds = 0;
  Answer(0, 2, 3);
  script.Then("frmSeikai", [&](QWidget*) {
    QTest::qWait(300);
    QTest::mouseClick(program.frmSeikai->btnNext, Qt::LeftButton);
  });
  script.Then("frmRenshu", [&](QWidget*) {
    seconds = run().QSeconds();
    renshu().btnEnd->click();
  });
  script.Start();
  program.ShowPractice(set);

  EXPECT_TRUE(script.Done());
  EXPECT_GE(seconds, 3);
  EXPECT_TRUE(records.empty());
}

// Esc, sent where the key goes (the focused button, passed on to its window), ends nothing:
// the run is finished and recorded.
TEST_F(PracticeWindowTest, EscapeNeverEndsARun) {
  PracticeSet set;
  set.unitName = C("単元");
  set.curves = {WholeCurve(2, 3, 0x0000FF), WholeCurve(1, 2, 0x0000FF)};
  const auto escape = [](QWidget* w) {
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
  };
  script.Then("frmRenshu", escape);
  Answer(0, 2, 3);
  script.Then("frmSeikai", escape);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  Answer(0, 1, 1);
  script.Then("frmAyamari", escape);
  Choose("frmAyamari", program.frmAyamari->btnTeisei);
  Answer(0, 2, 1);
  Choose("frmSeikai", program.frmSeikai->btnNext);
  Choose("frmOwari", program.frmOwari->btnEnd);
  script.Start();
  program.ShowPractice(set);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(records.size(), 1u);
}

// The hint arrow lies wholly on the practice plane, also for a question whose point is on the
// right column or bottom row of the plane (its pixel is just past the image).
TEST_F(PracticeWindowTest, TheHintArrowIsAlwaysWhollyOnThePlane) {
  const auto differing = [](const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return n;
  };
  QImage black(20, 20, QImage::Format_RGB32);
  black.fill(Qt::black);
  const int arrowPixels = differing(renshu().imgArrow.Image().copy(0, 0, 20, 20), black);
  for (const auto& [x, y] : std::vector<std::pair<int32_t, int32_t>>{
           {10, 1}, {1, -10}, {10, 10}, {-10, -10}, {10, -10}, {-10, 10}, {2, 3}}) {
    PracticeSet set;
    set.curves = {WholeCurve(x, y, 0x0000FF)};
    int changed = -1;
    script.Then("frmRenshu", [&](QWidget*) {
      const QImage before = renshu().planeCanvas.Image().copy();
      QTest::mouseClick(renshu().Button1, Qt::LeftButton);
      changed = differing(before, renshu().planeCanvas.Image());
      renshu().btnEnd->click();
    });
    script.Start();
    program.ShowPractice(set);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(changed, arrowPixels) << x << "," << y;
  }
}

TEST_F(PracticeWindowTest, DialogsSitBelowTheRecordListAndTheWindowOverTheMainOne) {
  PracticeSet set;
  set.curves = {WholeCurve(2, 3, 0x0000FF)};
  QRect shownAt;
  script.Then("frmRenshu", [&](QWidget*) {
    shownAt = renshu().geometry();
    renshu().btnEnd->click();
  });
  script.Start();
  program.ShowPractice(set);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(shownAt.size(), program.frmMain.size());
  EXPECT_EQ(renshu().pos(), QPoint(0, 0));
  const QPoint place(program.frmMain.x() + 20, renshu().RecordListBottom() + 32);
  EXPECT_EQ(program.frmSeikai->pos(), place);
  EXPECT_EQ(program.frmAyamari->pos(), place);
  EXPECT_EQ(program.frmOwari->pos(), place);
  EXPECT_EQ(FromQColor(program.frmSeikai->palette().color(QPalette::Window)), 0xC0FFFF);
}

}  // namespace
