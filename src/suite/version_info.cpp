#include "suite/version_info.h"

#include <filesystem>

#include "platform/fs/file_status.h"
#include "platform/system/system_places.h"

namespace suite {

namespace {

const std::map<std::string, std::string>& OwnVersionValues() {
  // Compiled in: the same for the whole run.
  static const std::map<std::string, std::string> values = {
      {"FileDescription", "Publishes local files to a web server"},
      {"FileVersion", WXPUB_VERSION},
      {"InternalName", WXPUB_PROGRAM_NAME},
      {"LegalCopyright", "Copyright (C) 2026"},
      {"OriginalFilename", WXPUB_PROGRAM_NAME},
      {"ProductName", WXPUB_PROGRAM_NAME},
      {"ProductVersion", WXPUB_VERSION},
  };
  return values;
}

constexpr const char* kNoValue = "_____________________";

// Only the running program's own file (under any name or link) has values.
const std::map<std::string, std::string>* VersionValuesOf(const std::string& path) {
  std::error_code error;
  if (std::filesystem::equivalent(path, platform::ProgramPath(), error)) return &OwnVersionValues();
  return nullptr;
}

}  // namespace

VersionInfo::VersionInfo(const std::string& path) : status_(kNoValue) {
  if (path.empty()) {
    status_ = "FileNameIsEmpty";
  } else if (!platform::FileExists(path)) {
    status_ = "FileIsNothing";
  } else {
    values_ = VersionValuesOf(path);
  }
}

std::optional<std::string> VersionInfo::Find(const std::string& key) const {
  if (!values_) return std::nullopt;
  const auto found = values_->find(key);
  if (found == values_->end()) return std::nullopt;
  return found->second;
}

std::string VersionInfo::Value(const std::string& key) const { return Find(key).value_or(status_); }

}  // namespace suite
