// frmMain: the graph editor, the program's main window.
#pragma once

#include <QMainWindow>

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);

  // Shows the title and file name of the open work; the caption names the file.
  void DispFileInfo(const QString& title, const QString& fileName, int count);

 protected:
  void closeEvent(QCloseEvent* event) override;
};
