#include "platform/qt_text.h"

#include "model/cp932.h"

QString ToQString(const std::string& cp932) { return QString::fromStdString(FromCp932(cp932)); }

std::string FromQString(const QString& text) { return ToCp932(text.toStdString()); }
