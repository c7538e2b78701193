#include "storage/frm_kiroku.h"

#include "platform/form_setup.h"

TfrmKiroku::TfrmKiroku(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmKiroku", "実行記録");
}
