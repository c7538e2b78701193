// frmNewWork: the unit name asked before a save-as.
#pragma once

#include <QDialog>
#include <QLineEdit>

class TfrmNewWork : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmNewWork(QWidget* parent);

  QLineEdit* edtTangen;
};
