// The per-user settings store of the plane settings: one key, text and integer values under
// fixed names. A value asked for and not yet stored is written with its default, so the store
// always shows what the program runs with.
#pragma once

#include <cstdint>
#include <string>

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string ReadSettingStr(const std::string& name, const std::string& defaultValue) = 0;
  virtual int32_t ReadSettingInt(const std::string& name, int32_t defaultValue) = 0;
  virtual void WriteSettingStr(const std::string& name, const std::string& value) = 0;
  virtual void WriteSettingInt(const std::string& name, int32_t value) = 0;
  // Stored as the integer 0 or 1.
  virtual void WriteSettingBool(const std::string& name, bool value) = 0;
  // Whether a value is stored under the name; asks without writing anything.
  virtual bool HasSetting(const std::string& name) = 0;
  // Puts what was written where the next start reads it; false when that failed (a read-only
  // home, say). The values stay in force for this run either way.
  virtual bool SaveSettings() = 0;
};
