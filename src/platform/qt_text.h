// Turns the core's CP932 byte strings into QString and back, at the widget boundary only; and
// paths as the platform names them, which are no CP932 texts.
#pragma once

#include <QString>
#include <string>

QString ToQString(const std::string& cp932);
// A caption or message written in the source (UTF-8).
inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }
std::string FromQString(const QString& text);

QString FromNativePath(const std::string& path);
std::string ToNativePath(const QString& path);
// A path as the user reads it in a caption or label. A name that is no UTF-8, such as one a
// Windows archive brought along in Shift-JIS, is read as CP932 rather than shown as "?" signs.
QString PathForDisplay(const std::string& path);
