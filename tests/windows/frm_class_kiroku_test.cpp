#include "windows/frm_class_kiroku.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstring>
#include <filesystem>

#include "model/cp932.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_text.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"
#include "support/gui/qt_print.h"

namespace {

// The window on a prepared class folder: the teacher chooses it, clicks a cell, saves the CSV
// (a second time into a folder that is not there), and the next window opens on it by itself.
TEST(ClassRecordsWindow, ReadsTheChosenClassShowsACellsLinesAndSavesTheCsv) {
  TempFolder c;
  std::filesystem::create_directories(c.Path() / "class/aki");
  std::filesystem::create_directories(c.Path() / "class/ben/Record.ini");
  TempFolder::Write(c / "class/aki/Record.ini",
                    ToCp932("[反比例]\r\n1=2003年06月12日 09:05 ○×○ 01分12秒\r\n"
                            "2=2003年06月13日 14:30 ○○△ 00分48秒\r\n"));
  ScriptedPrompter prompter;
  QtSettingsStore settings;
  QWidget main;
  main.resize(900, 700);
  auto window = std::make_unique<TfrmClassKiroku>(&main, prompter, settings);
  EXPECT_EQ(window->windowTitle(), U("クラスの記録"));
  window->show();
  EXPECT_FALSE(window->btnCsv->isEnabled());
  prompter.files = {c / "class"};
  QTest::mouseClick(window->btnFolder, Qt::LeftButton);
  QTRY_VERIFY(!window->Reading() && window->btnCsv->isEnabled());
  QTableWidget* grid = window->drgClass;
  ASSERT_EQ(grid->rowCount(), 2);
  ASSERT_EQ(grid->columnCount(), 1);
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), U("反比例"));
  EXPECT_EQ(grid->verticalHeaderItem(1)->text(), U("ben（記録を読めません）"));
  EXPECT_EQ(grid->item(0, 0)->text(), U("2回 ○○△ 00分48秒"));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualItemRect(grid->item(0, 0)).center());
  EXPECT_EQ(window->memDetail->toPlainText(),
            U("2003年06月12日 09:05 ○×○ 01分12秒\n2003年06月13日 14:30 ○○△ 00分48秒"));

  prompter.files = {c / "grades", c / "missing/grades.csv"};
  QTest::mouseClick(window->btnCsv, Qt::LeftButton);
  const std::string csv = TempFolder::Read(c / "grades.csv");
  EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(csv.find("aki,反比例,2,2003-06-13 14:30,○○△,48,2,48,\r\n"), std::string::npos);
  QTest::mouseClick(window->btnCsv, Qt::LeftButton);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>{c / "missing/grades.csv" + "の保存に失敗しました",
                                      std::strerror(ENOENT)}));
  window->hide();
  window.reset();

  // The folder is remembered: another window reads it as it opens.
  TfrmClassKiroku again(&main, prompter, settings);
  again.show();
  QTRY_VERIFY(!again.Reading() && again.drgClass->rowCount() == 2);
  EXPECT_EQ(again.lblFolder->text(), PathForDisplay(c / "class"));
  again.hide();
}

}  // namespace
