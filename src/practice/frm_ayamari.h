// frmAyamari: the wrong-answer dialog of a practice run.
#pragma once

#include <QDialog>

class TfrmAyamari : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAyamari(QWidget* parent);
};
