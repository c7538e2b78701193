// frmTangen: the unit contents view, the open work's title, file name, curve count and lines.
// The lines can be edited; what the user changed is handed back when the view closes.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <vector>

class TfrmTangen : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTangen(QWidget* parent);

  // The labels follow the open work's shown title, file name and count.
  void ShowFileInfo(const QString& title, const QString& fileName, int count);
  // The document lines (CP932) in the memo, as yet unedited.
  void ShowLines(const std::vector<std::string>& lines);
  // The memo's text (CP932) when the user edited it since ShowLines, else nothing. A line the
  // user left as it was keeps its bytes, even those no Shift-JIS character stands for.
  std::optional<std::string> EditedText() const;

  QLabel* lblTangen;
  QLabel* lblFileName;
  QLabel* lblNline;
  QPlainTextEdit* memFile;

 private:
  std::vector<std::string> shownLines_;
};
