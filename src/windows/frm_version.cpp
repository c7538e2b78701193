#include "windows/frm_version.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/form_setup.h"

TfrmVersion::TfrmVersion(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmVersion", "ﾊﾞｰｼﾞｮﾝ情報");
  auto* title = new QLabel(QString::fromUtf8("Kelvado 反比例（中学版）"), this);
  title->setObjectName("lblTitle");
  QFont font = title->font();
  font.setPointSize(font.pointSize() + 4);
  title->setFont(font);
  auto* version = new QLabel(
      QString::fromUtf8("Mevrolin バージョン ") + QString::fromLatin1(MEVROLIN_VERSION), this);
  version->setObjectName("lblVersion");
  auto* btnClose = new QPushButton(QString::fromUtf8("閉じる"), this);
  btnClose->setObjectName("btnClose");
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(version);
  layout->addWidget(btnClose, 0, Qt::AlignRight);
}
