// frmSettei: the line kind of new curves.
#pragma once

#include <QDialog>

class TfrmSettei : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSettei(QWidget* parent);
};
