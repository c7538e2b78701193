// frmSeikai: the right-answer dialog of a practice run: "次の問題" goes on, "中止" (or the
// close box) ends the practice.
#pragma once

#include <QDialog>

#include "practice/practice_dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmSeikai : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSeikai(QWidget* parent);

  // Shown modally; the pupil's choice.
  SeikaiResult Ask();

  QLineEdit* Edit1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QPushButton* btnNext = nullptr;
  QPushButton* btnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
