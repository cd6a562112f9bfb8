#include "platform/fs/temp_folder.h"

#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/system/system_places.h"
#include "platform/text/path_text.h"
#include "platform/text/text_case.h"

namespace platform {

namespace {

bool PointsIntoWindows(const std::string& path) {
  return path.find("Windows") != std::string::npos || LowerAscii(path).find("windows") != std::string::npos;
}

std::string FirstSetOf(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    std::string value = EnvironmentValue(name);
    if (!value.empty()) return value;
  }
  return "";
}

// The last resort: /tmp/<user> (or <current directory>/<user>), created.
std::string UserTempFolder() {
  std::string user = FirstSetOf({"USER", "USERNAME"});
  if (user.empty()) user = "___";
  const std::string base = FolderExists("/tmp") ? "/tmp/" : CurrentDirectory();
  const std::string folder = AddSeparator(base) + user;
  CreateFolder(folder);
  return folder;
}

// The shared temporary folder gets one folder per user that no one else can
// enter. One that is a link, another user's or open to others may have been
// planted there: the user's own cache folder stands in then.
std::string PrivateTempFolder(const std::string& base) {
  CreateFolder(base);
  const std::string shared = AddSeparator(base) + GetProgramName() + "-" + std::to_string(UserId());
  if (MakePrivateFolder(shared)) return shared + "/";
  const std::string own = UserCacheFolder() + "/" + GetProgramName();
  CreateFolder(UserCacheFolder());
  MakePrivateFolder(own);  // below the user's home: used even when the user made it otherwise
  return own + "/";
}

}  // namespace

std::string CommonTempTemp() { return CommonDocumentsFolder() + "/Temp/Temp"; }

std::string GetProgramName() {
  // The program file does not change while it runs.
  static const std::string name = [] {
    const std::string original = WXPUB_PROGRAM_NAME;
    const std::string module = ProgramPath();
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

std::string GetTempFolder() { return ResolveTempFolder(PrivateTempFolder(SystemTempPath())); }

}  // namespace platform
