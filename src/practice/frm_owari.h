// frmOwari: the end-of-run dialog of a practice run.
#pragma once

#include <QDialog>

class TfrmOwari : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmOwari(QWidget* parent);
};
