#include "windows/frm_program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "library/records.h"
#include "library/unit_library.h"
#include "platform/qt_fonts.h"
#include "platform/qt_text.h"
#include "storage/help_file.h"
#include "storage/work_file.h"
#include "windows/app_info.h"

TProgram::TProgram(Prompter* prompter)
    : frmMain(prompter, *this, planeSettings),
      frmSettei([this] {
        auto window = Build<TfrmSettei>(kHelpSettei);
        // The line-kind window redraws the main window and hands its choice to the editor.
        Editor& editor = frmMain.editor();
        QObject::connect(window.get(), &TfrmSettei::TestClicked, &frmMain,
                         [&editor] { editor.Display().DispAllLine(); });
        QObject::connect(window.get(), &TfrmSettei::LineKindChosen, &frmMain,
                         [&editor](const LineKind& kind) { editor.Options().SetLineKind(kind); });
        return window;
      }),
      frmNewWork([this] { return Build<TfrmNewWork>(kHelpNewWork); }),
      frmVersion([this] { return Build<TfrmVersion>(kHelpVersion); }),
      frmRenshu([this] {
        auto window = Build<TfrmRenshu>(kHelpRenshu, *this, frmMain.prompter(), clock);
        window->UseRecordWriter(RecordRun);
        return window;
      }),
      frmSeikai([this] { return PlacedBelowTheRecords(Build<TfrmSeikai>(kHelpResults)); }),
      frmAyamari([this] { return PlacedBelowTheRecords(Build<TfrmAyamari>(kHelpResults)); }),
      frmTangen([this] {
        auto window = Build<TfrmTangen>(kHelpTangen);
        // The unit contents view follows the open work's title, file name and count.
        QObject::connect(&frmMain, &TfrmMain::FileInfoShown, window.get(),
                         &TfrmTangen::ShowFileInfo);
        const ShownFileInfo& shown = frmMain.editor().ShownFile();
        window->ShowFileInfo(ToQString(shown.title), PathForDisplay(shown.filePath), shown.count);
        return window;
      }),
      frmOwari([this] {
        auto window = PlacedBelowTheRecords(Build<TfrmOwari>(kHelpResults));
        QObject::connect(window.get(), &TfrmOwari::ShowRecordRequested, window.get(),
                         [this] { Show(ProgramWindow::Records); });
        return window;
      }),
      frmKiroku([this] {
        auto window = Build<TfrmKiroku>(kHelpKiroku, frmMain.prompter(),
                                        frmMain.editor().State().ProgDirPath);
        QObject::connect(window.get(), &TfrmKiroku::ClassRecordsRequested, window.get(),
                         [this] { Show(ProgramWindow::ClassRecords); });
        return window;
      }),
      frmClassKiroku([this] {
        return Build<TfrmClassKiroku>(kHelpClassKiroku, frmMain.prompter(), settingsStore);
      }),
      frmPrint([this] { return Build<TfrmPrint>(kHelpPrint, clock, frmMain.prompter()); }),
      frmTangenOpen([this] {
        return Build<TfrmTangenOpen>(kHelpTangenOpen, *this, planeSettings2, planeSettings);
      }),
      frmHelp([this] { return std::make_unique<THelpWindow>(&frmMain); }) {
  // The main plane redraws with every accepted change of its settings.
  Editor& editor = frmMain.editor();
  QObject::connect(&frmSetCood, &TfrmSetCood::PlaneChanged, &frmMain,
                   [&editor] { editor.Display().DispAllLine(); });
  frmSetCood.setProperty("helpTopic", kHelpSetCood);
  frmSetCood2.setProperty("helpTopic", kHelpSetCood);
  // F1 anywhere asks the main window's help for the topic of the window it was pressed in.
  qApp->installEventFilter(&frmMain);
  frmMain.editor().UsePracticePlaneSettings(planeSettings2);
}

template <typename Dialog>
std::unique_ptr<Dialog> TProgram::PlacedBelowTheRecords(std::unique_ptr<Dialog> dialog) {
  // The practice window's result dialogs sit below its record list.
  dialog->move(frmMain.x() + 20, frmRenshu->RecordListBottom() + 32);
  return dialog;
}

TProgram::~TProgram() { qApp->removeEventFilter(&frmMain); }

void TProgram::Show(ProgramWindow window) {
  switch (window) {
    case ProgramWindow::LineKind: {
      const EditorState& state = frmMain.editor().State();
      frmSettei->ShowWith(
          LineKind{state.LineMode, state.LineWidth, state.SenbunKind, state.HanchokusenKind});
      break;
    }
    case ProgramWindow::PlaneSettings:
      frmSetCood.show();
      frmSetCood.raise();
      frmSetCood.activateWindow();
      break;
    case ProgramWindow::UnitContents: {
      frmTangen->ShowLines(frmMain.editor().OpenWork().Buffer().Lines());
      // What the user typed into the lines becomes the work. Text that is refused is not lost:
      // the window comes back holding it, to be mended; closing it then with Esc or its close
      // box is the way to give the typing up.
      for (bool refused = false;; refused = true) {
        if (frmTangen->exec() == QDialog::Rejected && refused) break;
        const std::optional<std::string> text = frmTangen->EditedText();
        if (!text || frmMain.editor().TakeUnitContents(*text)) break;
      }
      break;
    }
    case ProgramWindow::Records:
      frmKiroku->exec();
      break;
    case ProgramWindow::ClassRecords:
      frmClassKiroku->exec();
      break;
    case ProgramWindow::Print:
      // The header is a text of the page, so the path goes in as Shift-JIS shows it.
      frmPrint->Execute(frmMain.planeCanvas, DisplayName(frmMain.editor().ShownFile().filePath),
                        frmMain.geometry(), [this](Canvas& target) {
                          frmMain.editor().Display().DrawPicture(target, true);
                        });
      break;
    case ProgramWindow::About:
      frmVersion->exec();
      break;
  }
}

std::optional<std::string> TProgram::AskUnitName(const std::string& shownTitle) {
  return frmNewWork->Execute(UnitLibraryPath(frmMain.editor().State().ProgDirPath), shownTitle,
                             frmMain.prompter());
}

bool TProgram::OpenUnitWindow(bool openForEdit) {
  const EditorState& state = frmMain.editor().State();
  return frmTangenOpen->Execute(openForEdit, UnitLibraryPath(state.ProgDirPath), state,
                                !frmMain.FuncLocked, frmMain.prompter());
}

std::optional<std::string> TProgram::ChooseUnitForEditing() {
  if (!OpenUnitWindow(true)) return std::nullopt;
  return frmTangenOpen->Form().FileName();
}

std::optional<PracticeSet> TProgram::ChooseUnitForPractice() {
  if (!OpenUnitWindow(false)) return std::nullopt;
  return frmTangenOpen->Form().ChosenSet();
}

void TProgram::ShowPractice(const PracticeSet& set) {
  frmRenshu->Open(set, frmMain.editor().State(), planeSettings2, planeSettings);
  frmRenshu->exec();
}

SeikaiResult TProgram::ShowSeikai() { return frmSeikai->Ask(); }

AyamariResult TProgram::ShowAyamari(const AyamariRequest& request) {
  return frmAyamari->Ask(request);
}

OwariResult TProgram::ShowOwari(const OwariRequest& request) { return frmOwari->Ask(request); }

void TProgram::ShowHelp(int32_t topic) {
  frmHelp->ShowTopic(frmMain.editor().State().ProgDirPath, topic, frmMain.prompter(),
                     QApplication::activeModalWidget());
}

void SetUpApplication() {
  // The application name, not its display name: Qt appends a display name to every caption.
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  qApp->setProperty("helpFile", QString::fromUtf8(kHelpFileName));
  InstallFontSubstitutions();
  // A face that holds the Japanese of every caption: no fallback face is looked for, which was a
  // good part of the time the windows took to build.
  QApplication::setFont(QFont(InstalledFamily(kFontPGothic), 9));
  // Standard dialogs and message-box buttons in Japanese (はい / いいえ / キャンセル).
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  static QTranslator translator;
  if (translator.load(QLocale(QLocale::Japanese), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&translator);
  }
}
