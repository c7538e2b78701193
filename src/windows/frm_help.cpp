#include "windows/frm_help.h"

#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

#include "model/messages.h"
#include "platform/qt_text.h"
#include "storage/help_file.h"
#include "windows/app_info.h"

THelpWindow::THelpWindow(QWidget* parent)
    : QDialog(parent), text(new QTextBrowser(this)), home_(parent) {
  setObjectName("frmHelp");
  setWindowTitle(QString::fromUtf8("Mevrolin ヘルプ"));
  resize(560, 520);
  text->setObjectName("txtHelp");
  // Links lead to other topics of the same file, never out of it.
  text->setOpenLinks(false);
  connect(text, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { Show(link.fragment().toInt()); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
}

bool THelpWindow::ShowTopic(const std::string& progDirPath, int32_t topic, Prompter& prompter,
                            QWidget* over) {
  // Read from the program folder by its path: never from whatever folder happens to be current.
  std::optional<std::map<int32_t, HelpTopic>> topics;
  if (!progDirPath.empty()) topics = LoadHelpFile(progDirPath + kHelpFileName);
  if (!topics || topics->empty()) {
    prompter.Message(Msg().HelpHead + kHelpFileName + Msg().CannotOpenTail);
    return false;
  }
  topics_ = std::move(*topics);
  Show(topic);
  if (over == this) return true;  // F1 in the help itself: the topic changes in place
  // A window outside a modal window's own family is blocked while it runs: the help then
  // belongs to the modal window.
  QWidget* owner = over != nullptr ? over : home_;
  if (parentWidget() != owner) {
    hide();
    setParent(owner, windowFlags());
  }
  if (over != nullptr) {
    exec();
  } else {
    show();
    raise();
    activateWindow();
  }
  return true;
}

void THelpWindow::Show(int32_t topic) {
  auto found = topics_.find(topic);
  if (found == topics_.end()) found = topics_.find(kHelpContents);
  if (found == topics_.end()) found = topics_.begin();
  setWindowTitle(QString::fromUtf8("Mevrolin ヘルプ - ") + ToQString(found->second.title));
  // Plain text, with every topic number that starts a line made a link to its topic.
  static const QRegularExpression kEntry(QStringLiteral("^(\\s*)(\\d+)(\\s)"),
                                         QRegularExpression::MultilineOption);
  QString html = ToQString(found->second.text).toHtmlEscaped();
  QString linked;
  qsizetype done = 0;
  for (auto it = kEntry.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (topics_.count(m.captured(2).toInt()) == 0) continue;
    linked += html.mid(done, m.capturedStart(2) - done);
    linked += QStringLiteral("<a href=\"#%1\">%1</a>").arg(m.captured(2));
    done = m.capturedEnd(2);
  }
  linked += html.mid(done);
  text->setHtml(QStringLiteral("<pre>") + linked + QStringLiteral("</pre>"));
}
