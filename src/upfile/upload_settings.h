// The upload settings file "upfile.ini": its location, keys and defaults,
// the addresses derived from them, the size limit and the 7-bit name form.
// Every getter reads the file anew (a parsed copy is reused only while the
// file is unchanged), so an edit by hand takes effect at the next use.
#pragma once

#include <cstdint>
#include <string>

constexpr const char* kSettingsSection = "Preference_202206";

// Until a person configures a server, nothing leaves the machine.
constexpr const char* kDefaultServer = "localhost";
constexpr const char* kDefaultScriptPath = "/z_Suite/upload/share/upload.php";
constexpr const char* kStartupScriptPath = "/Test/upload/up.php";

// Settings folder + "/upfile.ini".
std::string SettingsFilePath();

// Value of key in section kSettingsSection of the settings file, or def.
std::string ReadSettingValue(const std::string& key, const std::string& def);

// True when the key exists already or writing it succeeded.
bool WriteIfAbsent(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

// Start-up: writes "server" and "php_fn" where they are missing.
void WriteServerDefaults();

std::string GetServer();
std::string GetScriptPath();
std::string GetScheme();
uint32_t GetUploadSizeLimit();
bool GetNameTo7bit();
std::string GetSelfCertificate();
std::string GetPathLinkHtml();
std::string GetDebugSetting();

// "//" + server + script path.
std::string UploadScriptAddress();
// Folder of the upload script plus the user folder ("User=" in the script name) or "data/".
std::string PageFolderAddress();
// Scheme + ":" (when there is a scheme) + page-folder address, ending in a separator.
std::string BrowserAddress();

// name unchanged, or for an empty name the user name in 7-bit form + "_index.htm".
std::string IndexPageName(const std::string& name);

// One printable ASCII character per UTF-16 code unit; only digits, letters, '.', '_' and '-'.
std::string NameTo7bit(const std::string& text);

// The rules behind the getters, on given values.
uint32_t SizeLimitFromText(const std::string& value);
std::string PageFolderOf(const std::string& scriptAddress);
std::string BrowserAddressOf(const std::string& scheme, const std::string& pageFolder);
