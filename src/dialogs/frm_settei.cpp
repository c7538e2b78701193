#include "dialogs/frm_settei.h"

#include "platform/form_setup.h"

TfrmSettei::TfrmSettei(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmSettei", "線の種類");
}
