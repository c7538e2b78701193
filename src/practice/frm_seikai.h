// frmSeikai: the right-answer dialog of a practice run.
#pragma once

#include <QDialog>

class TfrmSeikai : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSeikai(QWidget* parent);
};
