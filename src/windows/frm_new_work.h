// frmNewWork: the unit name asked before a save under a new name, with the titles of the drawing
// files already in the library to pick from.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>
#include <string>

#include "library/new_work_form.h"
#include "services/prompter.h"

class TfrmNewWork : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmNewWork(QWidget* parent);

  // Shows the dialog modally, centred on the main window: the unit name confirmed (CP932), or
  // nothing when cancelled.
  std::optional<std::string> Execute(const std::string& libraryPath, const std::string& shownTitle,
                                     Prompter& prompter);

  QLineEdit* edtTangen;
  QListWidget* lstTitle;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 private:
  void FormShow(const std::string& libraryPath, const std::string& shownTitle);
  void btnOKClick();
  // The form's unit name in the edit, without passing it back through the conversion.
  void ShowUnitName();

  NewWorkForm form_;
  Prompter* prompter_ = nullptr;
};
