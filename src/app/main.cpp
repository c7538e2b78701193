// Program entry: names the application, creates every window and runs until the main window
// closes.
#include <QApplication>
#include <QTimer>

#include "app/frm_program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetUpApplication();
  TProgram program;
  program.frmMain.show();
  // Once the window is up: the work a former run left unsaved is offered back, and from now on
  // unsaved curves are kept for the next start.
  QTimer::singleShot(0, &program.frmMain,
                     [&program] { program.frmMain.editor().StartRecoveryCopy(); });
  return QApplication::exec();
}
