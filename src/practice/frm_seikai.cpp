#include "practice/frm_seikai.h"

#include "platform/form_setup.h"

TfrmSeikai::TfrmSeikai(QWidget* parent) : QDialog(parent) { SetUpForm(*this, "frmSeikai", "正解"); }
