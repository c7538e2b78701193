// frmTangen: the unit contents view, the open work's title, file name, curve count and lines.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <string>
#include <vector>

class TfrmTangen : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTangen(QWidget* parent);

  // The labels follow the open work's shown title, file name and count.
  void ShowFileInfo(const QString& title, const QString& fileName, int count);
  // The document lines (CP932) in the memo.
  void ShowLines(const std::vector<std::string>& lines);

  QLabel* lblTangen;
  QLabel* lblFileName;
  QLabel* lblNline;
  QPlainTextEdit* memFile;
};
