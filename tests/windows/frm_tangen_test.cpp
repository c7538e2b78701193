#include "windows/frm_tangen.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTextCursor>

#include "model/cp932.h"
#include "support/core/scripted_prompter.h"
#include "support/gui/modal.h"
#include "windows/frm_program.h"

namespace {

class UnitContentsWindowTest : public ::testing::Test {
 protected:
  UnitContentsWindowTest() : program(&prompter) {
    program.frmMain.show();
    (void)QTest::qWaitForWindowExposed(&program.frmMain);
    prompter.files = {MEVROLIN_SOURCE_DIR "/DATA/03_compare_a.mvr"};
    program.frmMain.findChild<QAction*>("mnuOpenFile")->trigger();
  }

  // Shows the view, lets the user act on the memo, then presses 戻る.
  void EditAndReturn(const std::function<void(QPlainTextEdit&)>& edit) {
    WhenModal(&view(), [&] {
      edit(*view().memFile);
      view().findChild<QPushButton*>("btnReturn")->click();
    });
    program.frmMain.findChild<QAction*>("mnuShowTangen")->trigger();
  }

  TfrmTangen& view() { return *program.frmTangen; }
  const Work& work() { return program.frmMain.editor().OpenWork(); }

  ScriptedPrompter prompter;
  TProgram program;
};

TEST_F(UnitContentsWindowTest, ShowsTheWorksLinesAndLabels) {
  ASSERT_EQ(work().Count(), 5);
  EditAndReturn([&](QPlainTextEdit& memo) {
    EXPECT_EQ(memo.toPlainText().split('\n').size(), 26);
    EXPECT_EQ(memo.toPlainText().split('\n').front(), QString::fromUtf8("比例定数ａとグラフの形"));
    EXPECT_EQ(view().lblNline->text(), "5");
    EXPECT_EQ(view().lblTangen->text(), QString::fromUtf8("比例定数ａとグラフの形"));
  });
  EXPECT_TRUE(work().DataSaved());  // looked at, not edited: nothing changes
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(UnitContentsWindowTest, DeletedCurveLinesTakeTheCurveAwayEverywhere) {
  EditAndReturn([](QPlainTextEdit& memo) {
    // The last curve's five lines, y = -4/x, go.
    QTextCursor cursor(memo.document());
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Up, QTextCursor::KeepAnchor, 5);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.deletePreviousChar();
  });
  ASSERT_EQ(work().Count(), 4);
  EXPECT_EQ(work().ListItems().back(), "y = 16/x");
  EXPECT_EQ(program.frmMain.lstShiki->count(), 4);
  EXPECT_EQ(view().lblNline->text(), "4");
  EXPECT_FALSE(work().DataSaved());
  EXPECT_EQ(work().Buffer().Size(), 21u);
}

// Editing one line hands the other lines back byte for byte, even bytes no Shift-JIS character
// stands for (shown as a replacement sign).
TEST_F(UnitContentsWindowTest, LinesLeftAsTheyWereKeepTheirBytes) {
  // Two lines that look alike keep their own bytes, matched by their place.
  const std::vector<std::string> lines = {ToCp932("単元"), "y = 6/x \xFF\xFE", "a\xFF", "a\xFE",
                                          "255,16"};
  view().ShowLines(lines);
  view().memFile->moveCursor(QTextCursor::End);
  TypeText(view().memFile, "0");
  const std::optional<std::string> text = view().EditedText();
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, ToCp932("単元") + "\ny = 6/x \xFF\xFE\na\xFF\na\xFE\n255,160");
}

// Refused typing is not lost: the window comes back holding it, and only Esc there gives it up.
TEST_F(UnitContentsWindowTest, RefusedTextComesBackInTheWindowUntilGivenUp) {
  const std::vector<std::string> before = work().Buffer().Lines();
  ModalScript script;
  script
      .Then("frmTangen",
            [&](QWidget* w) {
              view().memFile->moveCursor(QTextCursor::End);
              QTest::keyClick(view().memFile, Qt::Key_Return);
              TypeText(view().memFile, "x");
              w->findChild<QPushButton*>("btnReturn")->click();
            })
      .Then("frmTangen", [](QWidget* w) {
        EXPECT_TRUE(w->findChild<QPlainTextEdit*>("memFile")->toPlainText().endsWith("\nx"));
        QTest::keyClick(w, Qt::Key_Escape);
      });
  script.Start();
  program.frmMain.findChild<QAction*>("mnuShowTangen")->trigger();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"データの構造が違います。"});
  EXPECT_EQ(work().Buffer().Lines(), before);
  EXPECT_TRUE(work().DataSaved());
  // Shown again, the memo holds the work's lines, not the refused text.
  EditAndReturn([](QPlainTextEdit& memo) { EXPECT_FALSE(memo.toPlainText().endsWith("x")); });
}

}  // namespace
