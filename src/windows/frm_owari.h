// frmOwari: the end-of-run dialog of a practice run: another run, a review of the missed
// questions, or the end; "記録を見る" shows the records without closing it.
#pragma once

#include <QDialog>

#include "practice/practice_dialogs.h"

class QLineEdit;
class QPushButton;

class TfrmOwari : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmOwari(QWidget* parent);

  // Shown modally as the run asks; the pupil's choice.
  OwariResult Ask(const OwariRequest& request);

  QLineEdit* edtMess = nullptr;
  QPushButton* btnRetry = nullptr;
  QPushButton* btnFukushu = nullptr;
  QPushButton* btnEnd = nullptr;
  QPushButton* btnShowRecord = nullptr;

 Q_SIGNALS:
  // "記録を見る": the records viewer, modally over this dialog.
  void ShowRecordRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* firstFocus_ = nullptr;
};
