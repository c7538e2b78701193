// Takes the screenshot the software centres show: the program's main window, as it appears on an
// X display, with the curves of one of our sample units opened through the editor's own open
// command and the middle one chosen. Usage: make_screenshot OUT.png UNIT.mvr (run in an empty
// program folder).
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <cstdio>

#include "model/cp932.h"
#include "services/prompter.h"
#include "windows/frm_program.h"

namespace {

// Answers the open dialog with the unit; any message means the unit did not open.
class UnitPrompter : public Prompter {
 public:
  explicit UnitPrompter(std::string unit) : unit_(std::move(unit)) {}
  void Message(const std::string& text) override {
    std::fprintf(stderr, "make_screenshot: %s\n", FromCp932(text).c_str());
    failed = true;
  }
  Answer Ask(const std::string& /*text*/, bool /*withCancel*/) override { return Answer::No; }
  std::optional<int32_t> ChooseColor(int32_t /*initial*/) override { return std::nullopt; }
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& /*request*/) override {
    return unit_;
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& /*request*/) override {
    return std::nullopt;
  }
  bool failed = false;

 private:
  std::string unit_;
};

// Lets the window system catch up: the window mapped, laid out and painted.
void Settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_screenshot OUT.png UNIT.mvr\n");
    return 2;
  }
  QApplication app(argc, argv);
  SetUpApplication();
  UnitPrompter prompter(argv[2]);
  TProgram program(&prompter);
  program.frmMain.show();
  Settle(300);
  program.frmMain.editor().Files().OpenFile();
  Settle(700);
  if (prompter.failed || program.frmMain.editor().OpenWork().Count() == 0) {
    std::fprintf(stderr, "make_screenshot: no curves in %s\n", argv[2]);
    return 1;
  }
  // One curve chosen, as a teacher does, so the panels show its equation, domain and table.
  program.frmMain.editor().List().SelectOnlyRow(program.frmMain.editor().OpenWork().Count() / 2);
  Settle(300);
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(program.frmMain.winId());
  if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
