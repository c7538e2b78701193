#include "windows/frm_tangen.h"

#include <QFont>
#include <QFormLayout>
#include <QHash>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/form_setup.h"
#include "platform/qt_text.h"

TfrmTangen::TfrmTangen(QWidget* parent)
    : QDialog(parent),
      lblTangen(new QLabel(this)),
      lblFileName(new QLabel(this)),
      lblNline(new QLabel(this)),
      memFile(new QPlainTextEdit(this)) {
  SetUpForm(*this, "frmTangen", "単元の内容");
  resize(480, 600);
  lblTangen->setObjectName("lblTangen");
  lblFileName->setObjectName("lblFileName");
  lblNline->setObjectName("lblNline");
  memFile->setObjectName("memFile");
  memFile->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont memoFont(QString::fromUtf8("ＭＳ ゴシック"));
  memoFont.setPixelSize(14);
  memFile->setFont(memoFont);
  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8("単元名"), lblTangen);
  form->addRow(QString::fromUtf8("ﾌｧｲﾙ名"), lblFileName);
  form->addRow(QString::fromUtf8("ﾃﾞｰﾀ数"), lblNline);
  auto* btnReturn = new QPushButton(QString::fromUtf8("戻る"), this);
  btnReturn->setObjectName("btnReturn");
  connect(btnReturn, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QString::fromUtf8("ファイルの内容"), this));
  layout->addWidget(memFile);
  layout->addWidget(btnReturn);
}

void TfrmTangen::ShowFileInfo(const QString& title, const QString& fileName, int count) {
  lblTangen->setText(title);
  lblFileName->setText(fileName);
  lblNline->setText(QString::number(count));
}

void TfrmTangen::ShowLines(const std::vector<std::string>& lines) {
  QStringList texts;
  for (const std::string& line : lines) texts << ToQString(line);
  memFile->setPlainText(texts.join('\n'));
  memFile->document()->setModified(false);
  shownLines_ = lines;
}

std::optional<std::string> TfrmTangen::EditedText() const {
  if (!memFile->document()->isModified()) return std::nullopt;
  // Bytes no character stands for are shown as a replacement sign; a line shown as one of the
  // work's lines is handed back as that line, so editing one line does not change the others.
  QHash<QString, const std::string*> shown;
  for (const std::string& line : shownLines_) shown.insert(ToQString(line), &line);
  std::string text;
  const QStringList edited = memFile->toPlainText().split('\n');
  for (qsizetype i = 0; i < edited.size(); ++i) {
    if (i > 0) text += '\n';
    const auto found = shown.constFind(edited[i]);
    text += found != shown.constEnd() ? **found : FromQString(edited[i]);
  }
  return text;
}
