#include "practice/frm_renshu.h"

#include "platform/form_setup.h"

TfrmRenshu::TfrmRenshu(QWidget* parent) : QDialog(parent) { SetUpForm(*this, "frmRenshu", "練習"); }
