// frmSettei: the line kind of new curves — line mode, pen width and the inequality kinds of
// segments and half-lines. Choices stay in the window until OK hands them over.
#pragma once

#include <QDialog>
#include <array>

#include "settings/line_kind_form.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TfrmSettei : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSettei(QWidget* parent);

  // Shown without waiting at the screen's top-left, over the settings in force.
  void ShowWith(const LineKind& current);
  const LineKindForm& form() const { return form_; }

  void accept() override;

  // Controls, by the names the program gives them (null until the first show).
  QGroupBox* gbxKind = nullptr;
  QGroupBox* gbxWidth = nullptr;
  QGroupBox* gbxHeniki1 = nullptr;
  QGroupBox* gbxHeniki2 = nullptr;
  std::array<QRadioButton*, 4> rbtLMode{};
  std::array<QRadioButton*, 3> rbtLWidth{};  // widths 1, 2, 3
  std::array<QRadioButton*, 4> rbtSenHeniki{};
  std::array<QRadioButton*, 2> rbtHanHeniki{};
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* btnTest = nullptr;

 Q_SIGNALS:
  // OK: these settings are to be put in force.
  void LineKindChosen(const LineKind& kind);
  // テスト: the main window is to be drawn again with the settings in force.
  void TestClicked();

 private:
  void FormCreate();
  void ShowGroups();

  LineKindForm form_;
  bool created_ = false;
};
