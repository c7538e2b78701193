#include "app/frm_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/app_info.h"
#include "platform/qt_fonts.h"

TProgram::TProgram(Prompter* prompter) : frmMain(prompter) { frmMain.SetCompanions(this); }

void SetUpApplication() {
  // The application name, not its display name: Qt appends a display name to every caption.
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  qApp->setProperty("helpFile", QString::fromUtf8(kHelpFileName));
  InstallFontSubstitutions();
  // Standard dialogs and message-box buttons in Japanese (はい / いいえ / キャンセル).
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  static QTranslator translator;
  if (translator.load(QLocale(QLocale::Japanese), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&translator);
  }
}
