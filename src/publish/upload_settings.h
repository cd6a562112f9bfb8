// The upload settings file "upfile.ini": its location, keys and defaults, the
// settings of one job read from it as a value, the addresses derived from
// them, and the names of the published page and of staged files.
#pragma once

#include <cstdint>
#include <string>

namespace publish {

constexpr const char* kSettingsSection = "Preference_202206";

// Until a person configures a server, nothing leaves the machine.
constexpr const char* kDefaultServer = "localhost";
constexpr const char* kDefaultScriptPath = "/z_Suite/upload/share/upload.php";
constexpr const char* kStartupScriptPath = "/Test/upload/up.php";

struct UploadSettings {
  std::string server = kDefaultServer;          // "server": a host with an optional port
  std::string scriptPath = kDefaultScriptPath;  // "php_fn": request target of the upload script
  std::string scheme = "https";                 // "open_http": may be empty
  uint32_t sizeLimit = 10 * 1048576;            // "up_max_file_size", in bytes
  bool nameTo7bit = true;                       // "name_to_7bit": staged names in 7-bit form
  bool relaxCertificate = false;                // "self_certificate" is not empty
  std::string pathLinkHtml;                     // "path_link_html": the link block's file, if any
  bool debugCopies = false;                     // "Debug" is not empty: request bodies are kept
  std::string uploadTo;                         // "upload_to": empty for the upload script, or "s3://BUCKET/PREFIX"
  unsigned parallelUploads = 4;                 // "parallel_uploads": files sent at once, 1 to 16
  std::string s3Acl = "public-read";            // "s3_acl": empty sends none
  uint64_t s3MaxFileSize = uint64_t{5} << 30;   // "s3_max_file_size", in bytes
  std::string s3PublicUrl;                      // "s3_public_url": where the objects are seen; empty: the endpoint
};

// Settings folder + "/upfile.ini".
std::string SettingsFilePath();

// Value of key in section kSettingsSection of the settings file, or def.
std::string ReadSettingValue(const std::string& key, const std::string& def);

// The settings file as it is now; defaults for what it lacks or for an empty
// "server", "php_fn" or "up_max_file_size".
UploadSettings ReadUploadSettings();

// Start-up: writes "server" and "php_fn" where they are missing.
void WriteServerDefaults();

// "//" + server + script path.
std::string UploadScriptAddress(const UploadSettings& settings);
// Folder of the upload script plus the user folder ("User=" in the script name) or "data/".
std::string PageFolderAddress(const UploadSettings& settings);
// Scheme + ":" (when there is a scheme) + page-folder address, ending in a separator.
std::string BrowserAddress(const UploadSettings& settings);

// The user name in 7-bit form + ".htm": the page one job publishes.
std::string UploadPageName();
// BrowserAddress + UploadPageName().
std::string UploadPageAddress(const UploadSettings& settings);

// One printable ASCII character per UTF-16 code unit; only digits, letters, '.', '_' and '-'.
std::string NameTo7bit(const std::string& text);

// The rules behind the settings and addresses, on given values.
uint32_t SizeLimitFromText(const std::string& value);
// "5G", "512M", "100K" or a number of MiB; def when there is no number.
uint64_t ByteSizeFromText(const std::string& value, uint64_t def);
// 1 to 16; def when there is no number.
unsigned ParallelFromText(const std::string& value, unsigned def);
std::string PageFolderOf(const std::string& scriptAddress);
std::string BrowserAddressOf(const std::string& scheme, const std::string& pageFolder);

}  // namespace publish
