#include "app/frm_program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>

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
