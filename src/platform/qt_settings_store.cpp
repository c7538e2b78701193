#include "platform/qt_settings_store.h"

#include <limits>

#include "platform/qt_text.h"

QtSettingsStore::QtSettingsStore()
    : settings_(QStringLiteral("Kelvado"), QStringLiteral("Mevrolin")) {}

std::string QtSettingsStore::ReadSettingStr(const std::string& name,
                                            const std::string& defaultValue) {
  const QString key = QString::fromLatin1(name);
  if (!settings_.contains(key)) {
    WriteSettingStr(name, defaultValue);
    return defaultValue;
  }
  return FromQString(settings_.value(key).toString());
}

int32_t QtSettingsStore::ReadSettingInt(const std::string& name, int32_t defaultValue) {
  const QString key = QString::fromLatin1(name);
  if (!settings_.contains(key)) {
    WriteSettingInt(name, defaultValue);
    return defaultValue;
  }
  // A new process reads numbers back as text; anything that is no 32-bit integer is the default.
  bool ok = false;
  const qlonglong value = settings_.value(key).toLongLong(&ok);
  if (!ok || value < std::numeric_limits<int32_t>::min() ||
      value > std::numeric_limits<int32_t>::max()) {
    return defaultValue;
  }
  return static_cast<int32_t>(value);
}

void QtSettingsStore::WriteSettingStr(const std::string& name, const std::string& value) {
  settings_.setValue(QString::fromLatin1(name), ToQString(value));
}

void QtSettingsStore::WriteSettingInt(const std::string& name, int32_t value) {
  settings_.setValue(QString::fromLatin1(name), value);
}

void QtSettingsStore::WriteSettingBool(const std::string& name, bool value) {
  settings_.setValue(QString::fromLatin1(name), value ? 1 : 0);
}

bool QtSettingsStore::HasSetting(const std::string& name) {
  return settings_.contains(QString::fromLatin1(name));
}

bool QtSettingsStore::SaveSettings() {
  settings_.sync();
  // A file that could not be parsed is replaced all the same; only a failed write counts.
  return settings_.status() != QSettings::AccessError;
}
