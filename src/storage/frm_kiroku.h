// frmKiroku: the practice records of the test units.
#pragma once

#include <QDialog>

class TfrmKiroku : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmKiroku(QWidget* parent);
};
