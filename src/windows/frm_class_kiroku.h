// frmClassKiroku: the records of a class (クラスの記録). The teacher chooses a class folder; the
// window reads every pupil's records from it in the background, shows one row per pupil and one
// column per unit, the lines of the cell clicked, and saves the table as CSV. The rules live in
// ClassRecordsView.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "library/class_records_view.h"

class TfrmClassKiroku : public QDialog {
  Q_OBJECT
 public:
  TfrmClassKiroku(QWidget* parent, Prompter& prompter, SettingsStore& settings);
  ~TfrmClassKiroku() override;

  QLabel* lblFolder;
  QPushButton* btnFolder;
  QLabel* lblStatus;
  QTableWidget* drgClass;
  QPlainTextEdit* memDetail;
  QPushButton* btnCsv;
  QPushButton* btnReturn;

  void btnFolderClick();
  void drgClassClick(int row, int column);
  void btnCsvClick();
  // Whether the class folder is being read.
  bool Reading() const { return reader_.joinable(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void StartReading();
  void ReadingDone(std::shared_ptr<ClassTable> table);
  void ShowTable();

  ClassRecordsView view_;
  // Set when the window goes: a reading in progress stops after the pupil it is at.
  std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
  std::thread reader_;
};
