// frmTangenOpen: opens a unit of the library by its title, for editing or for practice.
#pragma once

#include <QDialog>

class TfrmTangenOpen : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTangenOpen(QWidget* parent);
};
