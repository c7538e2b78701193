// frmVersion: the about window with the product title and the version.
#pragma once

#include <QDialog>

class TfrmVersion : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmVersion(QWidget* parent);
};
