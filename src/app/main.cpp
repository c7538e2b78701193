// Program entry: names the application, creates the main window and runs until it closes.
#include <QApplication>

#include "app/app_info.h"
#include "app/frm_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application name, not its display name: Qt appends a display name to every caption.
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  app.setProperty("helpFile", QString::fromUtf8(kHelpFileName));

  TfrmMain frmMain;
  frmMain.show();
  return QApplication::exec();
}
