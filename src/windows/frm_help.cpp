#include "windows/frm_help.h"

#include <QVBoxLayout>

#include "model/messages.h"
#include "platform/qt_text.h"
#include "storage/help_file.h"
#include "windows/app_info.h"

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent), text(new QTextBrowser(this)) {
  setObjectName("frmHelp");
  setWindowTitle(QString::fromUtf8("Mevrolin ヘルプ"));
  resize(560, 520);
  text->setObjectName("txtHelp");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
}

bool THelpWindow::ShowTopic(const std::string& progDirPath, int32_t topic, Prompter& prompter) {
  // Read from the program folder by its path: never from whatever folder happens to be current.
  std::optional<std::map<int32_t, HelpTopic>> topics;
  if (!progDirPath.empty()) topics = LoadHelpFile(progDirPath + kHelpFileName);
  if (!topics) {
    prompter.Message(Msg().HelpHead + kHelpFileName + Msg().CannotOpenTail);
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
