#include "practice/frm_seikai.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "platform/form_setup.h"
#include "platform/program_resources.h"
#include "platform/qt_canvas.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

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

  Edit1 = new QLineEdit(U("★★正解です★★"), this);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Edit1->setFocusPolicy(Qt::NoFocus);
  Edit1->setAlignment(Qt::AlignCenter);
  QFont big = Edit1->font();
  big.setPixelSize(27);
  Edit1->setFont(big);
  Edit1->setGeometry(52, 12, 216, 44);

  btnNext = new QPushButton(U("次の問題"), this);
  btnNext->setObjectName("btnNext");
  btnNext->setGeometry(48, 76, 104, 34);
  btnNext->setDefault(true);
  btnCancel = new QPushButton(U("中止"), this);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setGeometry(168, 76, 104, 34);
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
