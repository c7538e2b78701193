// What the windows of the program do to set themselves up: take their name and caption, and
// place named buttons and message lines.
#pragma once

#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QWidget>

// The object name (ASCII) by which the program and its tests find the window, and the caption
// (UTF-8) the user sees.
inline void SetUpForm(QWidget& form, const char* objectName, const char* caption) {
  form.setObjectName(QString::fromLatin1(objectName));
  form.setWindowTitle(QString::fromUtf8(caption));
}

// A push button with its name and caption (UTF-8) at a place of its parent.
inline QPushButton* AddButton(QWidget* parent, const char* objectName, const char* caption,
                              const QRect& place) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setGeometry(place);
  return button;
}

// A line that shows a message the user cannot edit or tab into, in a font of this pixel size.
inline QLineEdit* AddMessageLine(QWidget* parent, const char* objectName, int pixelSize,
                                 const QRect& place) {
  auto* line = new QLineEdit(parent);
  line->setObjectName(QString::fromLatin1(objectName));
  line->setReadOnly(true);
  line->setFocusPolicy(Qt::NoFocus);
  QFont font = line->font();
  font.setPixelSize(pixelSize);
  line->setFont(font);
  line->setGeometry(place);
  return line;
}

// Esc, which a dialog takes for its cancel button. In the practice window and its answer dialogs
// cancel ends the pupil's whole run, so there the key is taken and nothing happens: only the
// 中止 button and the close box end a run. True when the event was Esc and has been taken.
inline bool SwallowEscape(QKeyEvent* event) {
  if (!event->matches(QKeySequence::Cancel)) return false;
  event->accept();
  return true;
}
