#include "practice/frm_ayamari.h"

#include "platform/form_setup.h"

TfrmAyamari::TfrmAyamari(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmAyamari", "誤答");
}
