#include "platform/version_info.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "platform/file_services.h"
#include "platform/folders.h"

namespace {

// The one translation of the compiled-in values: Japanese, Unicode.
constexpr unsigned kLanguage = 0x0411;
constexpr unsigned kCodePage = 0x04b0;
constexpr const char* kNoValue = "_____________________";

// Only the running program's own file (under any name or link) has values.
const std::map<std::string, std::string>* VersionValuesOf(const std::string& path) {
  std::error_code error;
  if (std::filesystem::equivalent(path, GetModulePath(), error)) return &OwnVersionValues();
  return nullptr;
}

std::string TranslationPrefix(const char* format) {
  char pair[16];
  std::snprintf(pair, sizeof pair, format, kLanguage, kCodePage);
  return std::string("\\StringFileInfo\\") + pair + "\\";
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsProgramFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::string SearchPath(const std::string& name) {
  const char* searchPath = std::getenv("PATH");
  if (!searchPath) return "";
  for (const std::string& folder : SplitAtAny(searchPath, ":")) {
    // An empty entry stands for the current folder, as for the shell.
    const std::filesystem::path candidate = std::filesystem::absolute(folder.empty() ? "." : folder) / name;
    if (IsProgramFile(candidate)) return candidate.lexically_normal().string();
  }
  return "";
}

}  // namespace

const std::map<std::string, std::string>& OwnVersionValues() {
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

FVersion::FVersion(const std::string& path) { FVersion::SetPath(path); }
FVersion::~FVersion() = default;

void FVersion::SetPath(const std::string& path) {
  path_ = path;
  prefix_.clear();
  if (!path_.empty() && FileExists(path_)) Load();
}

bool FVersion::Load() {
  prefix_.clear();
  values_ = VersionValuesOf(path_);
  if (!values_) {
    std::cerr << "::GetFileVersionInfoSize ... 0" << std::endl;
    return false;
  }
  prefix_ = TranslationPrefix("%04x%04x");
  return true;
}

std::string FVersion::QueryValue(const std::string& key) {
  if (prefix_.empty() && !Load()) return "";
  const std::string query = prefix_ + key;
  const auto found = values_->find(key);
  if (found == values_->end()) {
    std::cerr << "::VerQueryValue ...   " << query << std::endl;
    return "";
  }
  if (found->second.empty()) {
    std::cerr << "::VerQueryValue len=0 " << query << std::endl;
    return "";
  }
  return found->second;
}

std::string FVersion::GetComments() { return QueryValue("Comments"); }
std::string FVersion::GetCompanyName() { return QueryValue("CompanyName"); }
std::string FVersion::GetFileDescription() { return QueryValue("FileDescription"); }
std::string FVersion::GetFileVersion() { return QueryValue("FileVersion"); }
std::string FVersion::GetInternalName() { return QueryValue("InternalName"); }
std::string FVersion::GetLegalCopyright() { return QueryValue("LegalCopyright"); }
std::string FVersion::GetLegalTrademarks() { return QueryValue("LegalTrademarks"); }
std::string FVersion::GetOriginalFilename() { return QueryValue("OriginalFilename"); }
std::string FVersion::GetPrivateBuild() { return QueryValue("PrivateBuild"); }
std::string FVersion::GetProductName() { return QueryValue("ProductName"); }
std::string FVersion::GetProductVersion() { return QueryValue("ProductVersion"); }
std::string FVersion::GetSpecialBuild() { return QueryValue("SpecialBuild"); }

FileVer::FileVer(const std::string& path) { FileVer::SetPath(path); }
FileVer::~FileVer() = default;

bool FileVer::SetPath(const std::string& path) {
  path_ = path;
  return Load();
}

std::string FileVer::GetPath() const { return path_; }

bool FileVer::Load() {
  SetStatus("");
  prefix_.clear();
  values_ = nullptr;
  if (path_.empty()) {
    SetStatus("FileNameIsEmpty");
    return false;
  }
  if (!FileExists(path_)) {
    SetStatus("FileIsNothing");
    return false;
  }
  values_ = VersionValuesOf(path_);
  if (!values_) return false;
  prefix_ = TranslationPrefix("%04X%04X");
  return true;
}

std::string FileVer::QueryValue(const std::string& key) const {
  if (!values_) return status_;
  const auto found = values_->find(key);
  return found == values_->end() ? status_ : found->second;
}

std::string FileVer::GetComments() const { return QueryValue("Comments"); }
std::string FileVer::GetCompanyName() const { return QueryValue("CompanyName"); }
std::string FileVer::GetFileDescription() const { return QueryValue("FileDescription"); }
std::string FileVer::GetFileVersion() const { return QueryValue("FileVersion"); }
std::string FileVer::GetInternalName() const { return QueryValue("InternalName"); }
std::string FileVer::GetLegalCopyright() const { return QueryValue("LegalCopyright"); }
std::string FileVer::GetLegalTrademarks() const { return QueryValue("LegalTrademarks"); }
std::string FileVer::GetOriginalFilename() const { return QueryValue("OriginalFilename"); }
std::string FileVer::GetPrivateBuild() const { return QueryValue("PrivateBuild"); }
std::string FileVer::GetProductName() const { return QueryValue("ProductName"); }
std::string FileVer::GetProductVersion() const { return QueryValue("ProductVersion"); }
std::string FileVer::GetSpecialBuild() const { return QueryValue("SpecialBuild"); }

void FileVer::SetStatus(const std::string& status) {
  status_ = status.empty() ? kNoValue : status;
  error_ = !status.empty();
}

std::string FileVer::GetStatus() const { return status_; }
bool FileVer::IsError() const { return error_; }

std::string get_which(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  if (trimmed.empty()) return "";
  if (trimmed != GetFileName(trimmed)) return FileExists(trimmed) ? trimmed : "";
  return SearchPath(trimmed);
}
