#include "suite/registry.h"

#include <cstdlib>
#include <optional>

#include "platform/fs/file_operations.h"
#include "platform/ini/ini_file.h"
#include "platform/text/text_case.h"

namespace suite {

namespace {

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
  return stored.size() >= kDwordPrefix.size() && platform::EqualNoCase(stored.substr(0, kDwordPrefix.size()), kDwordPrefix);
}

}  // namespace

RegAccess::RegAccess(const std::string& keyPath) : keyPath_(CanonicalKeyPath(keyPath)) {}

std::string RegAccess::HiveFilePath() { return ConfigHome() + "/z_Suite/registry.ini"; }

// Quoted, so that blanks at either end and quotes survive the INI reader.
bool RegAccess::WriteStr(const std::string& name, const std::string& value) {
  const std::string path = HiveFilePath();
  const std::string folder = path.substr(0, path.rfind('/'));
  return !keyPath_.empty() && platform::CreateFolder(folder) &&
         platform::IniWriteString(keyPath_, EntryName(name), '"' + value + '"', path);
}

std::string RegAccess::GetStr(const std::string& name, const std::string& def) const {
  const std::optional<std::string> stored = platform::IniFindString(keyPath_, EntryName(name), HiveFilePath());
  return stored && !IsDword(*stored) ? *stored : def;
}

}  // namespace suite
