#include "platform/qt_fonts.h"

#include <QFont>
#include <array>
#include <utility>

#include "render/canvas.h"

namespace {

constexpr std::array<std::pair<std::string_view, const char*>, 3> kFaces = {{
    {kFontPGothic, "IPAPGothic"},
    {kFontGothic, "IPAGothic"},
    {kFontBookman, "URW Bookman"},
}};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void InstallFontSubstitutions() {
  for (const auto& [name, family] : kFaces) {
    const QString from = FromUtf8(name);
    QFont::removeSubstitutions(from);
    QFont::insertSubstitution(from, QString::fromLatin1(family));
  }
}

QString InstalledFamily(std::string_view name) {
  for (const auto& [known, family] : kFaces) {
    if (known == name) return QString::fromLatin1(family);
  }
  return FromUtf8(name);
}
