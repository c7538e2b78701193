// What every window of the program does first: take its name and its caption.
#pragma once

#include <QWidget>

// The object name (ASCII) by which the program and its tests find the window, and the caption
// (UTF-8) the user sees.
inline void SetUpForm(QWidget& form, const char* objectName, const char* caption) {
  form.setObjectName(QString::fromLatin1(objectName));
  form.setWindowTitle(QString::fromUtf8(caption));
}
