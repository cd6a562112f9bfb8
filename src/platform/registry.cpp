#include "platform/registry.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/file_operations.h"
#include "platform/ini_file.h"
#include "platform/number_text.h"
#include "platform/text_case.h"

namespace {

// Padded with ideographic spaces (U+3000) as the family's other tools show them.
const std::string kWriteFailed = "登録に失敗　　　　　　　　";
const std::string kValueDeleteFailed = "削除に失敗　　値　　　　　";
const std::string kKeyDeleteFailed = "削除に失敗　　キー　　　　";

constexpr std::string_view kDwordPrefix = "dword:";

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string ConfigHome() {
  const std::string config = Environment("XDG_CONFIG_HOME");
  return config.empty() ? Environment("HOME") + "/.config" : config;
}

// "\a\\b\" and "a\b" name the same key.
std::string CanonicalKeyPath(const std::string& path) {
  std::string canonical;
  for (char c : path) {
    if (c == '\\' && (canonical.empty() || canonical.back() == '\\')) continue;
    canonical += c;
  }
  if (!canonical.empty() && canonical.back() == '\\') canonical.pop_back();
  return canonical;
}

std::string EntryName(const std::string& name) { return name.empty() ? "@" : name; }

bool IsDword(std::string_view stored) {
  return stored.size() >= kDwordPrefix.size() && EqualNoCase(stored.substr(0, kDwordPrefix.size()), kDwordPrefix);
}

bool IsDecimal(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<uint32_t> ParseDword(std::string_view hex) {
  if (hex.empty() || hex.size() > 8 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(std::strtoul(std::string(hex).c_str(), nullptr, 16));
}

}  // namespace

RegAccess::RegAccess(const std::string& keyPath) : keyPath_(CanonicalKeyPath(keyPath)) {}

std::string RegAccess::HiveFilePath() { return ConfigHome() + "/z_Suite/registry.ini"; }

int RegAccess::Fail(const std::string& text) {
  errorText_ = text;
  return 0;
}

int RegAccess::Write(const std::string& name, const std::string& stored) {
  const std::string path = HiveFilePath();
  const std::string folder = path.substr(0, path.rfind('/'));
  if (keyPath_.empty() || !platform::CreateFolder(folder) || !IniWriteString(keyPath_, EntryName(name), stored, path)) {
    return Fail(kWriteFailed + keyPath_ + "\\[" + name + "]");
  }
  return 1;
}

int RegAccess::WriteInt(const std::string& name, uint32_t value) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%08x", value);
  return Write(name, std::string(kDwordPrefix) + hex);
}

// Quoted, so that blanks at either end and quotes survive the INI reader.
int RegAccess::WriteStr(const std::string& name, const std::string& value) { return Write(name, '"' + value + '"'); }

int RegAccess::GetInt(const std::string& name, int def) const {
  const std::optional<std::string> stored = IniFindString(keyPath_, EntryName(name), HiveFilePath());
  if (!stored) return def;
  if (IsDword(*stored)) {
    const std::optional<uint32_t> value = ParseDword(std::string_view(*stored).substr(kDwordPrefix.size()));
    return value ? static_cast<int>(*value) : def;
  }
  return IsDecimal(*stored) ? LeadingInt(*stored) : def;
}

std::string RegAccess::GetStr(const std::string& name, const std::string& def) const {
  const std::optional<std::string> stored = IniFindString(keyPath_, EntryName(name), HiveFilePath());
  return stored && !IsDword(*stored) ? *stored : def;
}

int RegAccess::DeleteValue(const std::string& name) {
  return IniDeleteKey(keyPath_, EntryName(name), HiveFilePath()) ? 1 : Fail(kValueDeleteFailed);
}

int RegAccess::DeleteKey() { return IniDeleteSection(keyPath_, HiveFilePath()) ? 1 : Fail(kKeyDeleteFailed); }
