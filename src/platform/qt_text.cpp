#include "platform/qt_text.h"

#include <QByteArray>
#include <QFile>

#include "model/cp932.h"

QString ToQString(const std::string& cp932) { return QString::fromStdString(FromCp932(cp932)); }

std::string FromQString(const QString& text) { return ToCp932(text.toStdString()); }

QString FromNativePath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToNativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PathForDisplay(const std::string& path) {
  const QByteArray bytes = QByteArray::fromStdString(path);
  return bytes.isValidUtf8() ? QFile::decodeName(bytes) : ToQString(path);
}
