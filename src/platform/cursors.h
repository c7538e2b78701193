// The plane's and the list's mouse cursors, drawn for this program and looked up by name.
#pragma once

#include <QCursor>
#include <QString>

// "Arrow1CSR", "FingerCSR", "ScissorsCSR", "CrossCSR", "PencilCSR", "Hasami_LCSR",
// "Hasami_RCSR"; an unknown name gives the standard arrow.
QCursor LoadCursorResource(const QString& name);

// The names of the cursors registered under the numbers 1..7, in that order.
inline constexpr const char* kCursorNames[7] = {
    "Arrow1CSR", "FingerCSR", "ScissorsCSR", "CrossCSR", "PencilCSR", "Hasami_LCSR", "Hasami_RCSR"};
