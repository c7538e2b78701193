#include "storage/frm_tangen_open.h"

#include "platform/form_setup.h"

TfrmTangenOpen::TfrmTangenOpen(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmTangenOpen", "編集する単元を開く");
}
