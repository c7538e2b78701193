// Turns the core's CP932 byte strings into QString and back, at the widget boundary only.
#pragma once

#include <QString>
#include <string>

QString ToQString(const std::string& cp932);
std::string FromQString(const QString& text);
