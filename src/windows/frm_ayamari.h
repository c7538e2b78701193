// frmAyamari: the wrong-answer dialog of a practice run: "訂正する" tries again, "正解を表示する"
// tries again after the answer is drawn, "中止" (or the close box) ends the practice.
#pragma once

#include <QDialog>

#include "practice/practice_dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmAyamari : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAyamari(QWidget* parent);

  // Shown modally with the run's message; the pupil's choice.
  AyamariResult Ask(const AyamariRequest& request);

  QLineEdit* edtMess = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* btnTeisei = nullptr;
  QPushButton* btnGiveup = nullptr;
  QPushButton* btnCancel = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
