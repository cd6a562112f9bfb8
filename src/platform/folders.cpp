#include "platform/folders.h"

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/system_places.h"

namespace {

constexpr const char* kTempFamily = "z_Suite.tmp";

bool PointsIntoWindows(const std::string& path) {
  return path.find("Windows") != std::string::npos || LowerAscii(path).find("windows") != std::string::npos;
}

std::string FirstSetOf(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    std::string value = platform::EnvironmentValue(name);
    if (!value.empty()) return value;
  }
  return "";
}

// The last resort: /tmp/<user> (or <current directory>/<user>), created.
std::string UserTempFolder() {
  std::string user = FirstSetOf({"USER", "USERNAME"});
  if (user.empty()) user = "___";
  const std::string base = platform::FolderExists("/tmp") ? "/tmp/" : platform::CurrentDirectory();
  const std::string folder = AddSeparator(base) + user;
  platform::CreateFolder(folder);
  return folder;
}

// The shared temporary folder gets one folder per user that no one else can
// enter. One that is a link, another user's or open to others may have been
// planted there: the user's own cache folder stands in then.
std::string PrivateTempFolder(const std::string& base) {
  platform::CreateFolder(base);
  const std::string shared = AddSeparator(base) + GetProgramName() + "-" + std::to_string(platform::UserId());
  if (platform::MakePrivateFolder(shared)) return shared + "/";
  const std::string own = platform::UserCacheFolder() + "/" + GetProgramName();
  platform::CreateFolder(platform::UserCacheFolder());
  platform::MakePrivateFolder(own);   // below the user's home: used even when the user made it otherwise
  return own + "/";
}

std::string CommonTempTemp() { return platform::CommonDocumentsFolder() + "/Temp/Temp"; }

}  // namespace

std::string GetProgramName() {
  static const std::string name = [] {
    const std::string original = WXPUB_PROGRAM_NAME;
    const std::string module = platform::ProgramPath();
    return GetFileStem(LowerAscii(GetFileName(module)) != LowerAscii(original) ? original : module);
  }();
  return name;
}

std::string ResolveTempFolder(const std::string& systemPath) {
  std::string folder = systemPath;
  if (PointsIntoWindows(folder)) folder = CommonTempTemp();
  if (folder.empty()) folder = FirstSetOf({"TMP", "TMPDIR", "TEMP"});
  if (folder.empty()) folder = UserTempFolder();
  return folder;
}

std::string GetTempFolder() { return ResolveTempFolder(PrivateTempFolder(platform::SystemTempPath())); }

std::string GetProgramTempFolder() {
  return AddSeparator(GetTempFolder()) + kTempFamily + "/" + GetProgramName() + "/";
}

std::string GetTempWorkFolder() {
  std::string folder = GetProgramTempFolder();
  if (!platform::CreateFolder(folder)) {
    folder = CommonTempTemp() + "/" + kTempFamily + "/" + GetFileStem(platform::ProgramPath());
    DbgLog(folder);
    platform::CreateFolder(folder);
  }
  return AddSeparator(folder);
}

std::string GetDatedTempFolder() {
  const std::string work = GetTempWorkFolder();
  const std::string dated = work + platform::FormatLocalTime("%Y%m%d");
  return platform::CreateFolder(dated) ? dated + "/" : work;
}

std::string MakeSubTempFolder(const std::string& base, const std::string& name) {
  const std::string folder = AddSeparator(base) + kTempFamily + "/" + name;
  platform::CreateFolder(folder);
  return folder;
}

std::string GetSuiteFolder() {
  return NormalizePath(RemoveSeparator(platform::CommonDocumentsFolder()) + "/Temp/z_Suite/");
}

std::string GetSettingsFolder() { return NormalizePath(AddSeparator(GetSuiteFolder()) + "_Setting"); }
