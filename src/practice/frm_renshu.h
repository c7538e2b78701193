// frmRenshu: the practice and test window.
#pragma once

#include <QDialog>

class TfrmRenshu : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmRenshu(QWidget* parent);
};
