#include "windows/frm_program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "model/cp932.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"
#include "support/gui/modal.h"
#include "support/gui/qt_print.h"

namespace {

TEST(Program, NamesTheApplicationAndSpeaksJapaneseInStandardDialogs) {
  SetUpApplication();
  EXPECT_EQ(QApplication::applicationName(), QString::fromUtf8("Kelvado 反比例（小・中）"));
  EXPECT_EQ(qApp->property("helpFile").toString(), "Mevrolin.hlp");
  QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString::fromUtf8("はい")));
  EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString::fromUtf8("いいえ")));
}

}  // namespace

namespace {

class FixedClock : public Clock {
 public:
  DateTime Now() const override { return {2026, 12, 8, 14, 7, 0}; }
  int64_t TickMs() const override { return 0; }
};

// A pupil's practice from start to record: the 練習 button, a shipped test unit chosen by its
// title in the unit window, every question answered with a press on the practice plane, and
// the run's line in the program folder's Record.ini.
TEST(ProgramPractice, AShippedTestUnitPractisedByTitleIsRecordedInRecordIni) {
  TempFolder folder;
  std::filesystem::copy(MEVROLIN_SOURCE_DIR "/DATA", folder.Path() / "DATA");
  const std::string progDir = folder.Path().string() + "/";
  ScriptedPrompter prompter;
  TProgram program(&prompter);
  program.frmMain.editor().SetProgramFolder(ToCp932(progDir), progDir, false);
  program.frmMain.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.frmMain));
  FixedClock clock;
  program.frmRenshu->UseClock(clock);
  program.frmRenshu->timSecond->setInterval(3600 * 1000);  // the test gives the seconds

  const QString title = QString::fromUtf8("反比例のグラフ　練習１（ａ＞０）");
  ModalScript script;
  script.Then("frmTangenOpen", [&](QWidget*) {
    QListWidget* titles = program.frmTangenOpen->lstTitle;
    const auto found = titles->findItems(title, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      titles->visualItemRect(found.front()).center());
    QTest::mouseClick(program.frmTangenOpen->btnOK, Qt::LeftButton);
  });
  // y = 6/x, 4/x, 8/x and 3/x, each answered at a point of its own after a few seconds.
  const struct { int seconds, x, y; } answers[] = {{7, 2, 3}, {12, -2, -2}, {5, 4, 2}, {20, 1, 3}};
  for (const auto& a : answers) {
    script.Then("frmRenshu", [&program, a](QWidget*) {
      for (int i = 0; i < a.seconds; ++i) program.frmRenshu->timSecondTimer();
      const PixelPoint p = program.frmRenshu->run().Geometry().LatticeToPixel(a.x, a.y);
      QTest::mousePress(program.frmRenshu->imgCood, Qt::LeftButton, {}, QPoint(p.x, p.y));
      QTest::mouseRelease(program.frmRenshu->imgCood, Qt::LeftButton, {}, QPoint(p.x, p.y));
    });
    script.Then("frmSeikai", [&program](QWidget*) {
      QTest::mouseClick(program.frmSeikai->btnNext, Qt::LeftButton);
    });
  }
  script.Then("frmOwari", [&program](QWidget*) {
    QTest::mouseClick(program.frmOwari->btnEnd, Qt::LeftButton);
  });
  script.Start();
  QTest::mouseClick(program.frmMain.spdRenshu, Qt::LeftButton);

  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(TempFolder::Read(folder / "Record.ini"),
            ToCp932("[反比例のグラフ　練習１（ａ＞０）]\r\n"
                    "1=2026年12月08日 14:07 ○○○○ 00分44秒\r\n"));
}

}  // namespace
