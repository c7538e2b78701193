#include "app/frm_main.h"

#include <QCloseEvent>

#include "app/app_info.h"

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  DispFileInfo(QString(), QString::fromUtf8(kDefaultFileName), 0);
}

void TfrmMain::DispFileInfo(const QString& /*title*/, const QString& fileName, int /*count*/) {
  setWindowTitle(QString::fromUtf8(kMainCaptionPrefix) + fileName);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // Closing never asks about unsaved changes.
  event->accept();
}
