// The only writes of the upload settings: keys that are missing, at start-up.
#include "platform/ini_file.h"
#include "upfile/settings_file.h"
#include "upfile/upload_settings.h"

bool WriteIfAbsent(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  if (path.empty() || section.empty() || key.empty()) return false;
  if (ReadSettingFromFile(path, section, key, "0") == ReadSettingFromFile(path, section, key, "1")) return true;
  return IniWriteString(section, key, value, path);
}

void WriteServerDefaults() {
  const std::string path = SettingsFilePath();
  WriteIfAbsent(path, kSettingsSection, "server", kDefaultServer);
  WriteIfAbsent(path, kSettingsSection, "php_fn", kStartupScriptPath);
}
