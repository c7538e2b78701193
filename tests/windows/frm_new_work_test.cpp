#include "windows/frm_new_work.h"

#include <gtest/gtest.h>

#include <QTest>

#include "library/unit_library.h"
#include "model/cp932.h"
#include "support/core/scripted_prompter.h"
#include "support/gui/modal.h"
#include "windows/frm_program.h"

namespace {

class NewWorkWindowTest : public ::testing::Test {
 protected:
  NewWorkWindowTest() : program(&prompter) {
    program.frmMain.show();
    (void)QTest::qWaitForWindowExposed(&program.frmMain);
  }

  std::optional<std::string> Execute() {
    return dialog().Execute(UnitLibraryPath(MEVROLIN_SOURCE_DIR "/"), ToCp932("開いている単元"),
                            prompter);
  }
  TfrmNewWork& dialog() { return *program.frmNewWork; }

  ScriptedPrompter prompter;
  TProgram program;
};

TEST_F(NewWorkWindowTest, StartsFromTheShownTitleCentredOnTheMainWindow) {
  WhenModal(&dialog(), [&] {
    EXPECT_EQ(dialog().windowTitle(), QString::fromUtf8("新規入力"));
    EXPECT_EQ(dialog().pos(), QPoint((program.frmMain.width() - dialog().width()) / 2,
                                     (program.frmMain.height() - dialog().height()) / 2));
    EXPECT_EQ(dialog().edtTangen->text(), QString::fromUtf8("開いている単元"));
    EXPECT_EQ(dialog().lstTitle->count(), 5);  // the shipped drawing files only
    EXPECT_TRUE(dialog().btnOK->isDefault());
    dialog().btnCancel->click();
  });
  EXPECT_EQ(Execute(), std::nullopt);
}

TEST_F(NewWorkWindowTest, AClickedTitleIsAskedAboutATypedOneIsTaken) {
  prompter.answers = {Answer::No};
  WhenModal(&dialog(), [&] {
    const QRect row = dialog().lstTitle->visualItemRect(dialog().lstTitle->item(1));
    QTest::mouseClick(dialog().lstTitle->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(dialog().edtTangen->text(), QString::fromUtf8("反比例のグラフ（ａ＜０）"));
    dialog().btnOK->click();  // the same title as a drawing file: "no", so it stays
    EXPECT_TRUE(dialog().isVisible());
    dialog().edtTangen->clear();
    dialog().btnOK->click();  // empty
    TypeText(dialog().edtTangen, QString::fromUtf8("café"));
    dialog().btnOK->click();  // é has no Shift-JIS form
    dialog().edtTangen->clear();
    TypeText(dialog().edtTangen, QString::fromUtf8("反比例の利用〜まとめ"));
    dialog().btnOK->click();
  });
  const std::optional<std::string> name = Execute();
  EXPECT_EQ(prompter.messages, (std::vector<std::string>{"同じ単元名がありますが、いいですか？",
                                                         "単元名を入力してください",
                                                         "単元名に使えない文字があります"}));
  ASSERT_TRUE(name.has_value());
  EXPECT_EQ(*name, ToCp932("反比例の利用〜まとめ"));
}

}  // namespace
