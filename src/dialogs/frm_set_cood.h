// frmSetCood: the settings of a coordinate plane. The program has two: the one shown edits the
// main plane's settings, the other, never shown, holds those of the practice and preview planes.
#pragma once

#include <QDialog>

#include "render/plane_settings.h"

class TfrmSetCood : public QDialog {
  Q_OBJECT
 public:
  // settings: the program's value this window edits.
  TfrmSetCood(QWidget* parent, const char* objectName, PlaneSettings& settings);

 private:
  PlaneSettings& settings_;
};
