#include "dialogs/frm_set_cood.h"

#include "platform/form_setup.h"

TfrmSetCood::TfrmSetCood(QWidget* parent, const char* objectName, PlaneSettings& settings)
    : QDialog(parent), settings_(settings) {
  SetUpForm(*this, objectName, "座標面の設定");
}
