#include "suite/folders.h"

#include "platform/fs/debug_log.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "platform/system/clock.h"
#include "platform/system/system_places.h"

namespace suite {

namespace {

constexpr const char* kTempFamily = "z_Suite.tmp";

}  // namespace

std::string GetProgramTempFolder() {
  return platform::AddSeparator(platform::GetTempFolder()) + kTempFamily + "/" + platform::GetProgramName() + "/";
}

std::string GetTempWorkFolder() {
  std::string folder = GetProgramTempFolder();
  if (!platform::CreateFolder(folder)) {
    folder = platform::CommonTempTemp() + "/" + kTempFamily + "/" + platform::GetFileStem(platform::ProgramPath());
    platform::DbgLog(folder);
    platform::CreateFolder(folder);
  }
  return platform::AddSeparator(folder);
}

std::string GetDatedTempFolder() {
  const std::string work = GetTempWorkFolder();
  const std::string dated = work + platform::FormatLocalTime("%Y%m%d");
  return platform::CreateFolder(dated) ? dated + "/" : work;
}

std::string MakeSubTempFolder(const std::string& base, const std::string& name) {
  const std::string folder = platform::AddSeparator(base) + kTempFamily + "/" + name;
  platform::CreateFolder(folder);
  return folder;
}

std::string GetSuiteFolder() { return platform::NormalizePath(platform::RemoveSeparator(platform::CommonDocumentsFolder()) + "/Temp/z_Suite/"); }

std::string GetSettingsFolder() { return platform::NormalizePath(platform::AddSeparator(GetSuiteFolder()) + "_Setting"); }

}  // namespace suite
