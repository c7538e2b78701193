#include "practice/frm_owari.h"

#include "platform/form_setup.h"

TfrmOwari::TfrmOwari(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmOwari", "練習終わり");
}
