#include "windows/frm_seikai.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "platform/form_setup.h"
#include "platform/program_resources.h"
#include "platform/qt_canvas.h"
#include "platform/qt_text.h"

namespace {

constexpr int kNext = 1;

}  // namespace

TfrmSeikai::TfrmSeikai(QWidget* parent) : QDialog(parent) {
  InitProgramResources();
  SetUpForm(*this, "frmSeikai", "正解");
  setFixedSize(320, 130);
  // Light yellow.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ToQColor(0xC0FFFF));
  setPalette(colours);
  setAutoFillBackground(true);

  const QPixmap star(QString::fromLatin1(":/practice/star.xpm"));
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setPixmap(star);
  Image1->setGeometry(12, 18, 33, 33);
  Image2 = new QLabel(this);
  Image2->setObjectName("Image2");
  Image2->setPixmap(star);
  Image2->setGeometry(275, 18, 33, 33);

  Edit1 = AddMessageLine(this, "Edit1", 27, {52, 12, 216, 44});
  Edit1->setText(U("★★正解です★★"));
  Edit1->setAlignment(Qt::AlignCenter);
  btnNext = AddButton(this, "btnNext", "次の問題", {48, 76, 104, 34});
  btnNext->setDefault(true);
  btnCancel = AddButton(this, "btnCancel", "中止", {168, 76, 104, 34});
  connect(btnNext, &QPushButton::clicked, this, [this] { done(kNext); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

SeikaiResult TfrmSeikai::Ask() {
  return exec() == kNext ? SeikaiResult::Next : SeikaiResult::Cancel;
}

void TfrmSeikai::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  btnNext->setFocus();
}

void TfrmSeikai::keyPressEvent(QKeyEvent* event) {
  if (!SwallowEscape(event)) QDialog::keyPressEvent(event);
}
