#include "cli/settings_listing.h"

#include <cstdlib>

#include "net/certificate_pins.h"
#include "platform/fs/debug_log.h"
#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"
#include "suite/profile_location.h"
#include "suite/registry.h"

namespace cli {
namespace {

// No setting holds these bytes: reading them back means the key is absent.
constexpr const char* kAbsent = "\x01\x02";

struct Setting {
  const char* key;
  const char* defaultText;
};

constexpr Setting kUploadSettings[] = {
    {"server", publish::kDefaultServer}, {"php_fn", publish::kDefaultScriptPath}, {"open_http", "https"},
    {"up_max_file_size", "10M"},         {"name_to_7bit", "1"},                   {"self_certificate", ""},
    {"path_link_html", ""},              {"Debug", ""},                           {"upload_to", ""},
    {"parallel_uploads", "4"},           {"s3_acl", "public-read"},               {"s3_max_file_size", "5G"},
    {"s3_public_url", ""},
};

// The variables an S3 job reads, and whether their values are secret.
constexpr std::pair<const char*, bool> kS3Variables[] = {
    {"AWS_ACCESS_KEY_ID", true},        {"AWS_SECRET_ACCESS_KEY", true}, {"AWS_SESSION_TOKEN", true},
    {"AWS_REGION", false},              {"AWS_DEFAULT_REGION", false},   {"AWS_ENDPOINT_URL", false},
    {"AWS_PROFILE", false},             {"AWS_SHARED_CREDENTIALS_FILE", false}, {"AWS_CONFIG_FILE", false},
};

std::string Line(const std::string& left, const std::string& right) {
  constexpr size_t kColumn = 36;
  return "  " + left + std::string(left.size() < kColumn ? kColumn - left.size() : 1, ' ') + right + "\n";
}

std::string Masked(const std::string& value) { return value.empty() ? "" : "****"; }

}  // namespace

std::string SettingsListing() {
  const std::string settingsFile = publish::SettingsFilePath();
  const publish::UploadSettings settings = publish::ReadUploadSettings();
  std::string text = "files:\n";
  text += Line("settings", settingsFile);
  text += Line("link markup", settings.pathLinkHtml.empty() ? suite::GetSettingsFolder() + "/main_lnk.htm"
                                                            : settings.pathLinkHtml);
  text += Line("family profile", suite::ResolveProfilePath(""));
  text += Line("registry stand-in", suite::RegAccess::HiveFilePath());
  text += Line("private work folder", platform::GetTempFolder());
  text += Line("working folders", suite::GetProgramTempFolder());
  text += Line("debug log", platform::DbgLogBaseFolder() + "/WC/");
  if (platform::FileExists(net::PinFilePath())) text += Line("pinned certificates", net::PinFilePath());
  text += "upload settings ([" + std::string(publish::kSettingsSection) + "] of " + settingsFile + "):\n";
  for (const Setting& setting : kUploadSettings) {
    const std::string value = publish::ReadSettingValue(setting.key, kAbsent);
    const bool set = value != kAbsent;
    text += Line(std::string(setting.key) + "=" + (set ? value : setting.defaultText), set ? "(file)" : "(default)");
  }
  text += "object storage (environment; the files ~/.aws/credentials and ~/.aws/config fill what it lacks):\n";
  for (const auto& [name, secret] : kS3Variables) {
    const char* value = std::getenv(name);
    if (value) text += Line(std::string(name) + "=" + (secret ? Masked(value) : value), "(environment)");
  }
  return text;
}

}  // namespace cli
