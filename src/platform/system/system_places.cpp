#include "platform/system/system_places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <vector>

#include "platform/system/feedback.h"

namespace platform {
namespace {

constexpr size_t kMaxPath = 260;

// The DOCUMENTS entry of user-dirs.dirs, with $HOME expanded.
std::string UserDirsDocuments(const std::string& home) {
  std::string config = EnvironmentValue("XDG_CONFIG_HOME");
  if (config.empty()) config = home + "/.config";
  std::ifstream in(config + "/user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=";
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    return value;
  }
  return "";
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// Whether the process was given an argument list (argv[0] at least).
bool HasArgumentList() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  return in.get() != std::char_traits<char>::eof();
}

}  // namespace

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string SystemTempPath() {
  std::string path = EnvironmentValue("TMPDIR");
  if (path.empty()) path = "/tmp/";
  return path.substr(0, kMaxPath);
}

std::string CommonDocumentsFolder() {
  std::string folder = EnvironmentValue("Z_SUITE_COMMON_DOCUMENTS");
  if (folder.empty()) folder = EnvironmentValue("XDG_DOCUMENTS_DIR");
  const std::string home = EnvironmentValue("HOME");
  if (folder.empty()) folder = UserDirsDocuments(home);
  if (folder.empty()) folder = home + "/Documents";
  return WithoutTrailingSlash(folder);
}

std::string UserCacheFolder() {
  const std::string cache = EnvironmentValue("XDG_CACHE_HOME");
  return WithoutTrailingSlash(cache.empty() ? EnvironmentValue("HOME") + "/.cache" : cache);
}

bool MakePrivateFolder(const std::string& path) {
  ::mkdir(path.c_str(), 0700);
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
         (status.st_mode & 077) == 0;
}

unsigned UserId() { return ::geteuid(); }

std::string ProgramPath() {
  // The notice is given once per run, whichever thread asks first.
  static std::once_flag argumentsChecked;
  std::call_once(argumentsChecked, [] {
    if (!HasArgumentList()) ShowNotice("::get_arv() ... empty");
  });
  if (const char* startedAs = std::getenv(kStartedAsVariable); startedAs && *startedAs) return startedAs;
  std::vector<char> buffer(4096);
  const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : "";
}

std::string UserName() {
  long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return "";
  return found->pw_name;
}

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  return ::getcwd(buffer.data(), buffer.size()) ? buffer.data() : "";
}

}  // namespace platform
