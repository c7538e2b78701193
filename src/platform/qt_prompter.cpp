#include "platform/qt_prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt_canvas.h"
#include "platform/qt_text.h"

QString QtFileFilter(const std::string& cp932Filter) {
  const QStringList parts = ToQString(cp932Filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters.join(";;");
}

void QtPrompter::Message(const std::string& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), ToQString(text),
                           QMessageBox::Ok);
}

Answer QtPrompter::Ask(const std::string& text, bool withCancel) {
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const auto answer = QMessageBox::question(parent_, QApplication::applicationName(),
                                            ToQString(text), buttons, QMessageBox::Yes);
  if (answer == QMessageBox::Yes) return Answer::Yes;
  if (answer == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

std::optional<int32_t> QtPrompter::ChooseColor(int32_t initial) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

std::optional<std::string> QtPrompter::ChooseOpenFile(const FileDialogRequest& request) {
  QFileDialog dialog(parent_, QString(), FromNativePath(request.folder),
                     QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // F1 in the dialog asks for the open dialog's own help topic.
  dialog.setProperty("helpTopic", openDialogHelpTopic_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToNativePath(dialog.selectedFiles().front());
}

std::optional<std::string> QtPrompter::ChooseSaveFile(const FileDialogRequest& request) {
  const QString start =
      QDir(FromNativePath(request.folder)).filePath(FromNativePath(request.proposedName));
  QFileDialog dialog(parent_, QString(), FromNativePath(request.folder),
                     QtFileFilter(request.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The program asks its own question before replacing a file, and adds ".mvr" itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(start);
  // F1 in the dialog asks for the save dialog's own help topic.
  dialog.setProperty("helpTopic", saveDialogHelpTopic_);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToNativePath(dialog.selectedFiles().front());
}

std::optional<std::string> QtPrompter::ChooseFolder(const std::string& start) {
  const QString chosen =
      QFileDialog::getExistingDirectory(parent_, QString(), FromNativePath(start));
  if (chosen.isEmpty()) return std::nullopt;
  return ToNativePath(chosen);
}

std::optional<ChosenFile> QtPrompter::ChooseSaveFileAndFilter(const FileDialogRequest& request) {
  const QString start =
      QDir(FromNativePath(request.folder)).filePath(FromNativePath(request.proposedName));
  const QString filters = QtFileFilter(request.filter);
  QString selected;
  const QString chosen = QFileDialog::getSaveFileName(parent_, QString(), start, filters, &selected,
                                                      QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return std::nullopt;
  return ChosenFile{ToNativePath(chosen),
                    static_cast<int32_t>(filters.split(";;").indexOf(selected))};
}
