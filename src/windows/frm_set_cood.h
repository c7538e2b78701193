// frmSetCood: the settings of a coordinate plane. The program has two: the one shown edits the
// main plane's settings, the other, never shown, holds those of the practice and preview planes.
// Both load the stored settings when they are created; the controls are built at first show.
#pragma once

#include <QDialog>

#include "settings/plane_settings_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmSetCood : public QDialog {
  Q_OBJECT
 public:
  // settings: the program's value this window edits and the plane is drawn from. maxCoodSize:
  // the largest plane the main window allows.
  TfrmSetCood(QWidget* parent, const char* objectName, PlaneSettings& settings,
              SettingsStore& store, Prompter& prompter, int32_t maxCoodSize);

  const PlaneSettingsForm& form() const { return form_; }

  void setVisible(bool visible) override;
  // OK closes once the settings pass Test; Cancel (also Escape and the close box) puts back
  // what the window showed when it was opened.
  void accept() override;
  void reject() override;

  // Controls, by the names the program gives them (null until the first show).
  QLineEdit* edtSizeX = nullptr;
  QLineEdit* edtSizeY = nullptr;
  QLineEdit* edtDX = nullptr;
  QLineEdit* edtDY = nullptr;
  QLineEdit* edtStartX = nullptr;
  QLineEdit* edtStartY = nullptr;
  QLineEdit* edtEndX = nullptr;
  QLineEdit* edtEndY = nullptr;
  QSpinBox* spnScaleNumberX = nullptr;
  QSpinBox* spnScaleNumberY = nullptr;
  QSpinBox* spnFontSize = nullptr;
  QSpinBox* spnYohaku = nullptr;  // hidden
  QCheckBox* chkXY = nullptr;
  QCheckBox* chkMemori = nullptr;
  QCheckBox* chkZahyou = nullptr;
  QCheckBox* chkKeep = nullptr;
  QPushButton* btnOk = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* btnTest = nullptr;
  // 表示の倍率: stored when OK closes the window, in force from the next start.
  QComboBox* cmbDisplayScale = nullptr;

 Q_SIGNALS:
  // Settings passed Test: the plane they belong to is to be drawn again.
  void PlaneChanged();

 private:
  void FormCreate();
  void ShowFields();
  QLineEdit* EditOf(CoodEdit e) const;
  QSpinBox* SpinOf(CoodSpin s) const;
  QCheckBox* CheckOf(CoodCheck c) const;

  PlaneSettingsForm form_;
  SettingsStore& store_;
  bool created_ = false;
};
