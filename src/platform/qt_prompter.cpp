#include "platform/qt_prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

#include "platform/qt_canvas.h"
#include "platform/qt_text.h"

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
