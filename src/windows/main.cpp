// Program entry: names the application, creates every window and runs until the main window
// closes.
#include <QApplication>

#include "windows/frm_program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetUpApplication();
  TProgram program;
  program.frmMain.show();
  return QApplication::exec();
}
