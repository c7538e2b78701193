// The open-by-unit window as a teacher uses it: titles clicked in the real list, the preview,
// OK and cancel, on the units shipped with the program.
#include "windows/frm_tangen_open.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <filesystem>

#include "library/unit_library.h"
#include "model/cp932.h"
#include "render/coordinate_plane.h"
#include "storage/work_file.h"
#include "support/core/scripted_prompter.h"
#include "support/core/temp_folder.h"
#include "support/gui/modal.h"
#include "support/gui/pixels.h"
#include "windows/frm_program.h"

namespace {

namespace fs = std::filesystem;

class UnitWindowTest : public ::testing::Test {
 protected:
  // The program folder is the source tree itself (read only) unless a test asks for a copy.
  UnitWindowTest() : program(&prompter) {
    UseProgramFolder(MEVROLIN_SOURCE_DIR "/");
    program.frmMain.show();
    (void)QTest::qWaitForWindowExposed(&program.frmMain);
  }

  void UseProgramFolder(const std::string& path) {
    main().editor().SetProgramFolder(ToCp932(path), path, false);
  }
  // A copy of the shipped library in a folder of the test's own.
  std::string CopyOfTheProgramFolder() {
    fs::copy(MEVROLIN_SOURCE_DIR "/DATA", copy.Path() / "DATA");
    const std::string path = copy.Path().string() + "/";
    UseProgramFolder(path);
    return path;
  }

  TfrmMain& main() { return program.frmMain; }
  TfrmTangenOpen& window() { return *program.frmTangenOpen; }

  // Clicks the title in the window's real list, as a mouse does.
  void ClickTitle(const char* titleUtf8) {
    const auto found = window().lstTitle->findItems(QString::fromUtf8(titleUtf8), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << titleUtf8;
    const QRect row = window().lstTitle->visualItemRect(found.front());
    QTest::mouseClick(window().lstTitle->viewport(), Qt::LeftButton, {}, row.center());
  }

  // Opens the unit with this title through the tool button, the list and OK.
  void OpenByTitle(const char* titleUtf8) {
    WhenModal(&window(), [this, titleUtf8] {
      ClickTitle(titleUtf8);
      window().btnOK->click();
    });
    main().spdOpenFile->click();
  }

  QStringList Titles() {
    QStringList titles;
    for (int i = 0; i < program.frmTangenOpen->lstTitle->count(); ++i) {
      titles << program.frmTangenOpen->lstTitle->item(i)->text();
    }
    return titles;
  }

  // The colour of the main plane at a lattice point.
  TColor PlaneAt(int x, int y) {
    const PixelPoint p = main().editor().Geometry().LatticeToPixel(x, y);
    return At(main().planeCanvas, p.x, p.y);
  }

  TempFolder copy;
  ScriptedPrompter prompter;
  TProgram program;
};

TEST_F(UnitWindowTest, OpensAShippedUnitByItsTitleWithAPreviewAndShowsItsCurves) {
  bool previewed = false;
  WhenModal(&window(), [&] {
    EXPECT_EQ(window().windowTitle(), QString::fromUtf8("編集する単元を開く"));
    EXPECT_EQ(window().size(), main().size());
    EXPECT_TRUE(window().lblFileName->text().isEmpty());
    EXPECT_EQ(window().lstShiki->count(), 0);
    EXPECT_EQ(Titles().size(), 8);  // drawing and test files
    ClickTitle("反比例のグラフ（ａ＞０）");
    EXPECT_EQ(window().lblFileName->text(), "01_graph_plus.mvr");
    EXPECT_EQ(window().lstShiki->count(), 3);
    EXPECT_EQ(window().lstShiki->item(0)->text(), "y = 6/x");
    // y = 6/x through (2, 3) on the preview plane, in its colour.
    const QImage preview = window().imgCood->grab().toImage();
    const PlaneGeometry g =
        ComputePlaneGeometry(program.planeSettings, program.planeSettings2, 544);
    const PixelPoint p = g.LatticeToPixel(2, 3);
    EXPECT_EQ(FromQColor(QColor(preview.pixel(p.x, p.y))), 0xFF0000);
    previewed = true;
    window().btnOK->click();
  });
  main().spdOpenFile->click();
  EXPECT_TRUE(previewed);
  EXPECT_TRUE(prompter.messages.empty());
  const Editor& editor = main().editor();
  ASSERT_EQ(editor.OpenWork().Count(), 3);
  EXPECT_EQ(FromCp932(editor.State().CurTitle), "反比例のグラフ（ａ＞０）");
  EXPECT_EQ(main().windowTitle(),
            QString::fromUtf8("Kelvado 反比例（中学版） - " MEVROLIN_SOURCE_DIR
                              "/DATA/01_graph_plus.mvr"));
  EXPECT_EQ(program.frmTangen->lblTangen->text(), QString::fromUtf8("反比例のグラフ（ａ＞０）"));
  EXPECT_EQ(main().lstShiki->count(), 3);
  // The curves are on the main plane in their colours: y = 6/x, 12/x, 2/x.
  EXPECT_EQ(PlaneAt(2, 3), 0xFF0000);
  EXPECT_EQ(PlaneAt(3, 4), 0x0000FF);
  EXPECT_EQ(PlaneAt(-1, -2), 0xFF00FF);
}

TEST_F(UnitWindowTest, CancelAndOkWithoutATitleLeaveTheEditorAsItWas) {
  main().editor().Display().DispAllLine();
  const QImage before = main().planeCanvas.Image().copy();
  WhenModal(&window(), [&] {
    window().btnOK->click();
    EXPECT_TRUE(window().isVisible());
    window().btnCancel->click();
  });
  main().spdOpenFile->click();
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"単元を選択してください"});
  EXPECT_EQ(main().editor().OpenWork().Count(), 0);
  EXPECT_TRUE(main().editor().State().NewFileFlag);
  EXPECT_EQ(main().planeCanvas.Image(), before);
}

TEST_F(UnitWindowTest, PracticeListsTestUnitsOnlyAndHandsTheChosenQuestionsOn) {
  WhenModal(&window(), [&] {
    EXPECT_EQ(window().windowTitle(), QString::fromUtf8("テストする単元を開く"));
    EXPECT_EQ(Titles(), (QStringList{QString::fromUtf8("反比例のグラフ　練習１（ａ＞０）"),
                                     QString::fromUtf8("反比例のグラフ　練習２（ａの符号）"),
                                     QString::fromUtf8("反比例のグラフ　練習３（まとめ）")}));
    ClickTitle("反比例のグラフ　練習２（ａの符号）");
    window().btnOK->click();
  });
  // The practice window is another's; here it only has to come up and be closed.
  WhenModal(&*program.frmRenshu, [&] { program.frmRenshu->reject(); });
  main().spdRenshu->click();
  const PracticeSet set = window().Form().ChosenSet();
  EXPECT_EQ(set.curves.size(), 5u);
  EXPECT_EQ(FromCp932(set.unitName), "反比例のグラフ　練習２（ａの符号）");
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(UnitWindowTest, TheRecordsButtonFollowsTheFunctionLock) {
  bool enabled = false;
  WhenModal(&window(), [&] {
    enabled = window().btnRecord->isEnabled();
    window().btnCancel->click();
  });
  main().spdOpenFile->click();
  EXPECT_TRUE(enabled);
  main().btnLockedClick();
  WhenModal(&window(), [&] {
    enabled = window().btnRecord->isEnabled();
    window().btnCancel->click();
  });
  main().spdOpenFile->click();
  EXPECT_FALSE(enabled);
}

// Open a shipped unit, save it under a new unit name, open the copy and save it again: the
// copy is the shipped file with the new title, and a second save writes the same bytes.
TEST_F(UnitWindowTest, SavingUnderANewUnitNameAndReopeningKeepsEveryByte) {
  const std::string folder = CopyOfTheProgramFolder();
  OpenByTitle("変域のあるグラフ（一方に限りのない変域）");
  ASSERT_EQ(main().editor().OpenWork().Count(), 4);
  const std::string copyPath = folder + "DATA/授業用〜改.mvr";
  prompter.files = {copyPath};
  WhenModal(&*program.frmNewWork, [&] {
    program.frmNewWork->edtTangen->clear();
    TypeText(program.frmNewWork->edtTangen, QString::fromUtf8("半直線の変域（授業用）"));
    program.frmNewWork->btnOK->click();
  });
  main().findChild<QAction*>("mnuSave")->trigger();
  EXPECT_TRUE(prompter.messages.empty());
  std::string expected = TempFolder::Read(folder + "DATA/05_domain_halfline.mvr");
  expected = ToCp932("半直線の変域（授業用）") + expected.substr(expected.find("\r\n"));
  const std::string saved = TempFolder::Read(copyPath);
  EXPECT_EQ(saved, expected);
  EXPECT_EQ(main().windowTitle(),
            QString::fromUtf8("Kelvado 反比例（中学版） - ") + QString::fromStdString(copyPath));

  // A program started afresh lists the new unit among the others and opens it.
  TProgram again(&prompter);
  again.frmMain.editor().SetProgramFolder(ToCp932(folder), folder, false);
  again.frmMain.show();
  WhenModal(&*again.frmTangenOpen, [&] {
    const auto found = again.frmTangenOpen->lstTitle->findItems(
        QString::fromUtf8("半直線の変域（授業用）"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    again.frmTangenOpen->lstTitle->setCurrentItem(found.front());
    again.frmTangenOpen->btnOK->click();
  });
  again.frmMain.spdOpenFile->click();
  ASSERT_EQ(again.frmMain.editor().OpenWork().Count(), 4);
  EXPECT_EQ(again.frmMain.editor().State().CurFileName, copyPath);
  again.frmMain.findChild<QAction*>("mnuSaveFile")->trigger();  // overwrite: no question
  EXPECT_EQ(TempFolder::Read(copyPath), saved);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(UnitWindowTest, ClosingWithUnsavedCurvesAsksNothing) {
  OpenByTitle("比例定数ａとグラフの形");
  main().editor().List().SelectAll();
  main().editor().List().DeleteSelected();
  main().editor().Mouse().CoodClick(main().editor().Geometry().LatticeToPixel(2, 3).x,
                                    main().editor().Geometry().LatticeToPixel(2, 3).y);
  ASSERT_EQ(main().editor().OpenWork().Count(), 1);
  ASSERT_TRUE(main().editor().OpenWork().NeedSave());
  prompter.messages.clear();
  EXPECT_TRUE(main().close());
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
