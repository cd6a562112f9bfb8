#include "suite/profile_location.h"

#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/system/system_places.h"
#include "platform/text/text_case.h"
#include "suite/folders.h"
#include "suite/registry.h"

namespace suite {

namespace {

constexpr const char* kSuiteKey = "Software\\z_Suite";

// Values meant for a person who looks into the registry: written only when changed.
void WriteHint(RegAccess& key, const std::string& name, const std::string& value) {
  if (key.GetStr(name, "") != value) key.WriteStr(name, value);
}

std::string DefaultProfileFolder() {
  const std::string documents = platform::RemoveSeparator(platform::CommonDocumentsFolder());
  const std::string shared = documents + "/z_Suite_Setting";
  return platform::FolderExists(shared) ? shared : documents + "/Temp/z_Suite_Setting";
}

std::string FamilyBase() {
  const std::string base = RegAccess(kSuiteKey).GetStr("", "");
  return base.empty() ? "z_Suite" : base;
}

bool HasIniExtension(const std::string& name) {
  const std::string file = platform::GetFileName(name);
  const size_t dot = file.rfind('.');
  return dot != std::string::npos && platform::EqualNoCase(std::string_view(file).substr(dot + 1), "ini");
}

}  // namespace

std::string GetFamilyKey() {
  static const std::string key = std::string("Software\\") + FamilyBase() + "\\z_Suite";
  return key;
}

std::string GetProfileFolder() {
  const std::string configured = RegAccess(GetFamilyKey()).GetStr("IniFullBase", "");
  return configured.empty() ? DefaultProfileFolder() : platform::RemoveSeparator(platform::NormalizePath(configured));
}

// A folder a person configured is theirs to make; only the default one is made here.
void PrepareProfileFolder() {
  RegAccess suite(kSuiteKey);
  WriteHint(suite, "RegKey_Base は", FamilyBase());
  RegAccess family(GetFamilyKey());
  const bool configured = !family.GetStr("IniFullBase", "").empty();
  const std::string folder = GetProfileFolder();
  if (!configured && !platform::FolderExists(folder)) platform::CreateFolder(folder);
  WriteHint(family, "IniFullBase は", folder);
}

std::string ResolveProfilePath(const std::string& name) {
  std::string path = name.empty() ? kDefaultProfileName : name;
  if (path.find_first_of("/\\") == std::string::npos) path = GetProfileFolder() + "/" + path;
  if (!HasIniExtension(path)) path += ".ini";
  return path;
}

}  // namespace suite
