#include "app/frm_help.h"

#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "app/app_info.h"
#include "app/help_file.h"
#include "model/cp932.h"
#include "platform/qt_text.h"

namespace {

// Sets the current directory for the lifetime of the object and puts the old one back.
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::string& folder) {
    std::error_code ec;
    previous_ = std::filesystem::current_path(ec);
    if (ec) return;
    std::filesystem::current_path(folder, ec);
    entered_ = !ec;
  }
  // False when the folder could not be entered: the current directory is unchanged then.
  bool entered() const { return entered_; }
  ~CurrentDirectoryScope() {
    std::error_code ec;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ec);
  }
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

 private:
  std::filesystem::path previous_;
  bool entered_ = false;
};

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent), text(new QTextBrowser(this)) {
  setObjectName("frmHelp");
  setWindowTitle(QString::fromUtf8("Mevrolin ヘルプ"));
  resize(560, 520);
  text->setObjectName("txtHelp");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
}

bool THelpWindow::ShowTopic(const std::string& progDirPath, int32_t topic, Prompter& prompter) {
  std::optional<std::map<int32_t, HelpTopic>> topics;
  {
    CurrentDirectoryScope scope(progDirPath);
    // Never fall back on whatever folder happens to be current.
    if (scope.entered()) topics = LoadHelpFile(kHelpFileName);
  }
  if (!topics) {
    prompter.Message(ToCp932(std::string("ヘルプファイル ") + kHelpFileName + " が開けません"));
    return false;
  }
  auto found = topics->find(topic);
  if (found == topics->end()) found = topics->find(kHelpContents);
  if (found == topics->end()) found = topics->begin();
  setWindowTitle(QString::fromUtf8("Mevrolin ヘルプ - ") + ToQString(found->second.title));
  text->setPlainText(ToQString(found->second.text));
  show();
  raise();
  return true;
}
