// frmKiroku: the records viewer. It lists the test files of the unit library with their number
// of practice records, shows the records of the unit clicked and erases the records of the
// units chosen; the rules live in RecordsView, the window shows what it keeps.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "library/records_view.h"

class TfrmKiroku : public QDialog {
  Q_OBJECT
 public:
  // progDirPath: the program folder as the platform names it; prompter: where its messages and
  // questions go.
  TfrmKiroku(QWidget* parent, Prompter& prompter, const std::string& progDirPath);

  QLabel* lblGuide;
  QListWidget* lstTitle;
  QListWidget* lstReserve;  // hidden: the unit title of each line of lstTitle
  QPlainTextEdit* memDetail;
  QPushButton* btnErase;
  QPushButton* btnClass;
  QPushButton* btnReturn;

  void lstTitleClick(QListWidgetItem* item);
  void btnEraseClick();
  void btnReturnClick();

 Q_SIGNALS:
  // "クラスの記録": the teacher asks for the records of a whole class.
  void ClassRecordsRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowLists();
  void ShowDetail();

  RecordsView view_;
};
