#include "windows/frm_tangen.h"

#include <QFont>
#include <QFormLayout>
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
  // Bytes no character stands for are shown as a replacement sign, so two lines can look alike.
  // The lines before and after the part the user changed are matched by their place, not by
  // how they look, and handed back as the work's own bytes.
  const QStringList edited = memFile->toPlainText().split('\n');
  const auto m = static_cast<std::size_t>(edited.size());
  const std::size_t n = shownLines_.size();
  const auto same = [&](std::size_t e, std::size_t s) {
    return edited[static_cast<qsizetype>(e)] == ToQString(shownLines_[s]);
  };
  std::size_t head = 0;
  while (head < m && head < n && same(head, head)) ++head;
  std::size_t tail = 0;
  while (tail < m - head && tail < n - head && same(m - 1 - tail, n - 1 - tail)) ++tail;
  std::string text;
  for (std::size_t i = 0; i < m; ++i) {
    if (i > 0) text += '\n';
    if (i < head) {
      text += shownLines_[i];
    } else if (i >= m - tail) {
      text += shownLines_[n - (m - i)];
    } else {
      text += FromQString(edited[static_cast<qsizetype>(i)]);
    }
  }
  return text;
}
