#include "windows/frm_kiroku.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTest>
#include <filesystem>

#include "model/cp932.h"
#include "platform/qt_text.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"
#include "support/gui/qt_print.h"

namespace {

class RecordsWindowTest : public ::testing::Test {
 protected:
  RecordsWindowTest() {
    std::filesystem::create_directory(folder.Path() / "DATA");
    TempFolder::Write(folder / "DATA/a.tst", ToCp932("比例のグラフ\r\n"));
    TempFolder::Write(folder / "DATA/b.tst", ToCp932("反比例\r\n"));
    TempFolder::Write(folder / "Record.ini",
                      ToCp932("[比例のグラフ]\r\n1=2003年06月12日 09:05 ○○△ 01分12秒\r\n"
                              "2=2003年06月13日 14:30 ○○○ 00分48秒\r\n"));
  }

  QStringList Items(const QListWidget* list) const {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }

  void ClickRow(int row) {
    QListWidget* list = window.lstTitle;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }

  TempFolder folder;
  ScriptedPrompter prompter;
  // The main window, sized before the viewer is made.
  struct MainWindow : QWidget {
    MainWindow() { resize(900, 700); }
  } main;
  TfrmKiroku window{&main, prompter, folder.Path().string() + "/"};
};

TEST_F(RecordsWindowTest, HasItsControlsTheMainWindowsSizeAndSitsInTheScreensMiddle) {
  EXPECT_EQ(window.windowTitle(), U("実行記録"));
  EXPECT_EQ(window.lblGuide->text(), U("単元をクリックして下さい"));
  EXPECT_EQ(window.btnErase->text(), U("記録消去"));
  EXPECT_EQ(window.btnReturn->text(), U("閉じる"));
  EXPECT_EQ(window.lstTitle->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_TRUE(window.memDetail->isReadOnly());
  // Records line up: every half-width character as wide as any other, full-width ones twice that.
  const QFontMetrics metrics(window.memDetail->font());
  EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
  EXPECT_EQ(metrics.horizontalAdvance(U("○")), 2 * metrics.horizontalAdvance('0'));
  EXPECT_EQ(window.size(), QSize(900, 700));
  window.show();
  EXPECT_FALSE(window.lstReserve->isVisible());
  EXPECT_EQ(window.pos(), QPoint((1024 - 900) / 2, (768 - 700) / 2));
  window.hide();
}

TEST_F(RecordsWindowTest, ListsTheUnitsAfreshAtEveryShowAndShowsTheRecordsOfTheOneClicked) {
  window.show();
  EXPECT_EQ(Items(window.lstTitle), (QStringList{U("2回 比例のグラフ"), U("0回 反比例")}));
  EXPECT_EQ(Items(window.lstReserve), (QStringList{U("比例のグラフ"), U("反比例")}));
  ClickRow(0);
  EXPECT_EQ(window.memDetail->toPlainText(),
            U("2003年06月12日 09:05 ○○△ 01分12秒\n2003年06月13日 14:30 ○○○ 00分48秒"));
  ClickRow(1);
  EXPECT_EQ(window.memDetail->toPlainText(), U("練習の記録はありません"));
  QTest::mouseClick(window.btnReturn, Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(window.memDetail->toPlainText().isEmpty());

  TempFolder::Write(folder / "Record.ini", ToCp932("[反比例]\r\n1=x\r\n"));
  window.show();
  EXPECT_EQ(Items(window.lstTitle), (QStringList{U("0回 比例のグラフ"), U("1回 反比例")}));
  window.reject();  // Esc or the close box
  window.show();
  EXPECT_TRUE(window.memDetail->toPlainText().isEmpty());
  window.hide();
}

TEST_F(RecordsWindowTest, ErasesTheRecordsOfTheSelectedUnitsAfterTheQuestion) {
  window.show();
  QTest::mouseClick(window.btnErase, Qt::LeftButton);
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"消去する単元を選んでください"});

  ClickRow(0);
  prompter.answers = {Answer::No};
  QTest::mouseClick(window.btnErase, Qt::LeftButton);
  EXPECT_TRUE(window.lstTitle->item(0)->isSelected());
  EXPECT_FALSE(window.memDetail->toPlainText().isEmpty());

  prompter.answers = {Answer::Yes};
  QTest::mouseClick(window.btnErase, Qt::LeftButton);
  EXPECT_EQ(prompter.messages.back(), "記録を消してもいいですか？");
  EXPECT_EQ(Items(window.lstTitle), (QStringList{U("0回 比例のグラフ"), U("0回 反比例")}));
  EXPECT_TRUE(window.memDetail->toPlainText().isEmpty());
  EXPECT_EQ(TempFolder::Read(folder / "Record.ini"), "");
  window.hide();
}

}  // namespace
