#include "storage/frm_new_work.h"

#include "platform/form_setup.h"

TfrmNewWork::TfrmNewWork(QWidget* parent)
    : QDialog(parent), edtTangen(new QLineEdit(QString::fromUtf8("新しい単元"), this)) {
  SetUpForm(*this, "frmNewWork", "新規入力");
  edtTangen->setObjectName("edtTangen");
}
