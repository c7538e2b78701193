// Program entry: names the application, creates every window and runs until the main window
// closes.
#include <QApplication>
#include <QSettings>
#include <QTimer>

#include "settings/display_scale.h"
#include "windows/frm_program.h"

int main(int argc, char** argv) {
  // 表示の倍率 takes effect as Qt's own scale factor, which must be set before the application
  // exists; a factor set by the user's environment wins.
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
    const QSettings stored(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin"));
    const int32_t scale = DisplayScaleOf(stored.value(kDisplayScaleKey, 100).toInt());
    if (scale != 100) qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(ScaleFactorText(scale)));
  }
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
