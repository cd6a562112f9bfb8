#include "upfile/upload_settings.h"

#include "platform/folders.h"
#include "platform/system_places.h"
#include "upfile/settings_file.h"

namespace {

std::string ValueOrDefault(const std::string& key, const std::string& def) {
  const std::string value = ReadSettingValue(key, def);
  return value.empty() ? def : value;
}

}  // namespace

std::string SettingsFilePath() { return GetSettingsFolder() + "/upfile.ini"; }

std::string ReadSettingValue(const std::string& key, const std::string& def) {
  return ReadSettingFromFile(SettingsFilePath(), kSettingsSection, key, def);
}

std::string GetServer() { return ValueOrDefault("server", kDefaultServer); }
std::string GetScriptPath() { return ValueOrDefault("php_fn", kDefaultScriptPath); }
std::string GetScheme() { return ReadSettingValue("open_http", "https"); }
uint32_t GetUploadSizeLimit() { return SizeLimitFromText(ValueOrDefault("up_max_file_size", "10M")); }
bool GetNameTo7bit() { return ReadSettingValue("name_to_7bit", "1") == "1"; }
std::string GetSelfCertificate() { return ReadSettingValue("self_certificate", ""); }
std::string GetPathLinkHtml() { return ReadSettingValue("path_link_html", ""); }
std::string GetDebugSetting() { return ReadSettingValue("Debug", ""); }

std::string UploadScriptAddress() { return "//" + GetServer() + GetScriptPath(); }
std::string PageFolderAddress() { return PageFolderOf(UploadScriptAddress()); }
std::string BrowserAddress() { return BrowserAddressOf(GetScheme(), PageFolderAddress()); }

std::string IndexPageName(const std::string& name) {
  if (!name.empty()) return name;
  return NameTo7bit(platform::UserName()) + "_index.htm";
}
