// The settings store on QSettings("Kelvado", "Mevrolin"): the registry key
// HKCU\Software\Kelvado\Mevrolin on Windows, ~/.config/Kelvado/Mevrolin.conf on Linux
// (under XDG_CONFIG_HOME when it is set).
#pragma once

#include <QSettings>

#include "services/settings_store.h"

class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  std::string ReadSettingStr(const std::string& name, const std::string& defaultValue) override;
  int32_t ReadSettingInt(const std::string& name, int32_t defaultValue) override;
  void WriteSettingStr(const std::string& name, const std::string& value) override;
  void WriteSettingInt(const std::string& name, int32_t value) override;
  void WriteSettingBool(const std::string& name, bool value) override;
  bool HasSetting(const std::string& name) override;
  bool SaveSettings() override;

 private:
  QSettings settings_;
};
