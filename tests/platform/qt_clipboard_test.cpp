// The plane on the clipboard and back: what is pasted is the picture that was copied, pixel for
// pixel, and other programs find an image there.
#include "platform/qt_clipboard.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include "render/coordinate_plane.h"
#include "support/core/scripted_prompter.h"
#include "support/gui/plane_click.h"
#include "support/gui/qt_print.h"
#include "windows/frm_program.h"

namespace {

TEST(QtClipboard, CopiedPlaneIsAnImageAndComesBackUnchanged) {
  QtCanvas plane(10, 10);
  EditorState state;
  state.MaxCoodSize = 544;
  DrawCood(plane, PlaneSettings{}, state);
  QtClipboard clipboard;
  clipboard.PutImage(plane);
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());

  QtCanvas target(plane.Width(), plane.Height());
  target.FillRect(PixelRect{0, 0, target.Width(), target.Height()}, 0x123456);
  ASSERT_TRUE(clipboard.DrawImageOn(target));
  EXPECT_EQ(target.Image(), plane.Image());
}

TEST(QtClipboard, NothingToPasteLeavesTheTargetAlone) {
  QGuiApplication::clipboard()->setText("no picture");
  QtCanvas target(40, 40);
  target.FillRect(PixelRect{0, 0, 40, 40}, 0x123456);
  const QImage before = target.Image().copy();
  EXPECT_FALSE(QtClipboard().DrawImageOn(target));
  EXPECT_EQ(target.Image(), before);
}

// Through the main window's menus: copy the plane with its curves, erase everything, paste.
TEST(QtClipboard, CopyThenPasteOnTheMainPlaneShowsTheSamePicture) {
  ScriptedPrompter prompter;  // answers Yes to 全部消去's question
  TProgram program(&prompter);
  TfrmMain& main = program.frmMain;
  main.show();
  (void)QTest::qWaitForWindowExposed(&main);
  ClickLatticePoint(main, 2, 3);
  ASSERT_EQ(main.editor().OpenWork().Count(), 1);
  const QImage shown = main.planeCanvas.Image().copy();

  main.findChild<QAction*>("mnuClipBoard")->trigger();
  main.findChild<QAction*>("mnuShoukyo")->trigger();
  ASSERT_EQ(main.editor().OpenWork().Count(), 0);
  ASSERT_NE(main.planeCanvas.Image(), shown);
  main.findChild<QAction*>("mnuPaste")->trigger();
  EXPECT_TRUE(main.editor().State().BitmapPasted);
  EXPECT_EQ(main.planeCanvas.Image(), shown);
}

}  // namespace
