#include "dialogs/frm_print.h"

#include "platform/form_setup.h"

TfrmPrint::TfrmPrint(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmPrint", "グラフの印刷");
}
