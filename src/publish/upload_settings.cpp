#include "publish/upload_settings.h"

#include <algorithm>

#include "platform/system/system_places.h"
#include "platform/text/utf.h"
#include "publish/settings_file.h"
#include "suite/folders.h"

namespace publish {
namespace {

constexpr uint32_t kMiB = 1048576;

bool EndsWithSeparator(const std::string& text) {
  return !text.empty() && (text.back() == '/' || text.back() == '\\');
}

// wcstoul in base 10 with a 32-bit unsigned long, as the settings were first read:
// blanks skipped, optional sign (a minus negates modulo 2^32), digits until the
// first other character, overflow saturates.
uint32_t ParseUnsigned32(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint64_t value = 0;
  bool overflow = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
    if (value > UINT32_MAX) {
      overflow = true;
      value = UINT32_MAX;
    }
  }
  if (overflow) return UINT32_MAX;
  const uint32_t result = static_cast<uint32_t>(value);
  return negative ? 0u - result : result;
}

char SevenBitOf(char16_t unit) {
  unsigned c = unit & 127u;
  if (c < 32) c += 32;
  if (c == 127) c = 126;
  switch (c) {
    case ' ': return '_';
    case '!': return '1';
    case '"': return '2';
    case '#': return '3';
    case '$': return '4';
    case '%': return '5';
    case '&': return '6';
    case '\'': return '7';
    case '(': return '8';
    case ')': return '9';
    case '*': case ':': return 'a';
    case '+': case ';': case '[': case '{': return 'b';
    case ',': case '<': case '\\': case '|': return 'c';
    case '=': case ']': case '}': return 'd';
    case '>': case '^': case '~': return 'e';
    case '/': case '?': return 'f';
    case '@': case '`': return '0';
    default: return static_cast<char>(c);
  }
}

std::string ValueOrDefault(const std::string& key, const std::string& def) {
  const std::string value = ReadSettingValue(key, def);
  return value.empty() ? def : value;
}

}  // namespace

std::string SettingsFilePath() { return suite::GetSettingsFolder() + "/upfile.ini"; }

std::string ReadSettingValue(const std::string& key, const std::string& def) {
  return ReadSettingFromFile(SettingsFilePath(), kSettingsSection, key, def);
}

UploadSettings ReadUploadSettings() {
  UploadSettings settings;
  settings.server = ValueOrDefault("server", kDefaultServer);
  settings.scriptPath = ValueOrDefault("php_fn", kDefaultScriptPath);
  settings.scheme = ReadSettingValue("open_http", "https");
  settings.sizeLimit = SizeLimitFromText(ValueOrDefault("up_max_file_size", "10M"));
  settings.nameTo7bit = ReadSettingValue("name_to_7bit", "1") == "1";
  settings.relaxCertificate = !ReadSettingValue("self_certificate", "").empty();
  settings.pathLinkHtml = ReadSettingValue("path_link_html", "");
  settings.debugCopies = !ReadSettingValue("Debug", "").empty();
  settings.uploadTo = ReadSettingValue("upload_to", "");
  settings.parallelUploads = ParallelFromText(ReadSettingValue("parallel_uploads", ""), settings.parallelUploads);
  settings.s3Acl = ReadSettingValue("s3_acl", settings.s3Acl);
  settings.s3MaxFileSize = ByteSizeFromText(ReadSettingValue("s3_max_file_size", ""), settings.s3MaxFileSize);
  settings.s3PublicUrl = ReadSettingValue("s3_public_url", "");
  return settings;
}

void WriteServerDefaults() {
  const std::string path = SettingsFilePath();
  WriteIfAbsent(path, kSettingsSection, "server", kDefaultServer);
  WriteIfAbsent(path, kSettingsSection, "php_fn", kStartupScriptPath);
}

std::string UploadScriptAddress(const UploadSettings& settings) { return "//" + settings.server + settings.scriptPath; }
std::string PageFolderAddress(const UploadSettings& settings) { return PageFolderOf(UploadScriptAddress(settings)); }
std::string BrowserAddress(const UploadSettings& settings) {
  return BrowserAddressOf(settings.scheme, PageFolderAddress(settings));
}

std::string UploadPageName() { return NameTo7bit(platform::UserName()) + ".htm"; }
std::string UploadPageAddress(const UploadSettings& settings) { return BrowserAddress(settings) + UploadPageName(); }
std::string NameTo7bit(const std::string& text) {
  const std::u16string units = platform::Utf8ToUtf16(text);
  std::string out;
  out.reserve(units.size());
  for (char16_t unit : units) out += SevenBitOf(unit);
  return out;
}

uint32_t SizeLimitFromText(const std::string& value) {
  uint32_t mib = ParseUnsigned32(value) & 0xFFFFu;
  if (mib == 0) mib = 1;
  if (mib > 32) mib = 32;
  return mib * kMiB;
}

// Digits, then an optional unit letter; a value that overflows 64 bits gives def.
uint64_t ByteSizeFromText(const std::string& value, uint64_t def) {
  size_t digits = 0;
  uint64_t number = 0;
  for (; digits < value.size() && value[digits] >= '0' && value[digits] <= '9'; ++digits) {
    if (number > (UINT64_MAX - 9) / 10) return def;
    number = number * 10 + static_cast<unsigned>(value[digits] - '0');
  }
  if (digits == 0) return def;
  int shift = 20;
  if (digits < value.size()) {
    switch (value[digits] | 0x20) {
      case 'k': shift = 10; break;
      case 'm': shift = 20; break;
      case 'g': shift = 30; break;
      case 't': shift = 40; break;
      default: return def;
    }
  }
  if (number > (UINT64_MAX >> shift)) return def;
  return number << shift;
}

unsigned ParallelFromText(const std::string& value, unsigned def) {
  constexpr unsigned kMostAtOnce = 16;
  const uint32_t number = ParseUnsigned32(value);
  if (value.find_first_of("0123456789") == std::string::npos) return def;
  return std::clamp(number, 1u, kMostAtOnce);
}

std::string PageFolderOf(const std::string& scriptAddress) {
  size_t cut = scriptAddress.rfind('\\');
  if (cut == std::string::npos) cut = scriptAddress.rfind('/');
  const std::string folder = cut == std::string::npos ? std::string() : scriptAddress.substr(0, cut);
  const std::string name = cut == std::string::npos ? scriptAddress : scriptAddress.substr(cut + 1);

  std::string result = folder;
  if (!result.empty() && !EndsWithSeparator(result)) result += '/';
  const size_t user = name.find("User=");
  if (user == std::string::npos) return result + "data/";
  return result + name.substr(user + 5) + "/";
}

std::string BrowserAddressOf(const std::string& scheme, const std::string& pageFolder) {
  std::string address = scheme;
  if (!scheme.empty()) address += ':';
  address += pageFolder;
  if (!EndsWithSeparator(pageFolder)) address += '/';
  return address;
}

}  // namespace publish
