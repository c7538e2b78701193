#include "app/frm_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/app_info.h"
#include "app/help_file.h"
#include "platform/qt_fonts.h"

TProgram::TProgram(Prompter* prompter) : frmMain(prompter) {
  frmMain.SetCompanions(this);
  // F1 anywhere asks the main window's help for the topic of the window it was pressed in.
  qApp->installEventFilter(&frmMain);
  const std::pair<QWidget*, int32_t> topics[] = {
      {&frmSettei, kHelpSettingsMenu},  {&frmNewWork, kHelpFileMenu},
      {&frmVersion, kHelpContents},     {&frmRenshu, kHelpRunMenu},
      {&frmSeikai, kHelpRunMenu},       {&frmAyamari, kHelpRunMenu},
      {&frmTangen, kHelpDisplayMenu},   {&frmOwari, kHelpRunMenu},
      {&frmKiroku, kHelpDisplayMenu},   {&frmPrint, kHelpFileMenu},
      {&frmTangenOpen, kHelpFileMenu},  {&frmSetCood, kHelpSettingsMenu},
      {&frmSetCood2, kHelpSettingsMenu}};
  for (const auto& [window, topic] : topics) window->setProperty("helpTopic", topic);
}

TProgram::~TProgram() { qApp->removeEventFilter(&frmMain); }

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
