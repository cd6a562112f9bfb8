#include "platform/fs/file_backup.h"

#include <cstdio>
#include <filesystem>

#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "platform/text/path_text.h"

namespace platform {
namespace {

constexpr int kNumberedNames = 1000;

// <folder>/<stem>.NNN[.<ext>], the first that does not exist; empty when all are taken.
std::string FirstFreeNumberedName(const std::string& target) {
  const std::string name = GetFileName(target);
  const size_t dot = name.rfind('.');
  const std::string stem = name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
  const std::string base = GetFolderPart(target) + "/" + stem + ".";
  for (int number = 0; number < kNumberedNames; ++number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", number);
    const std::string candidate = base + digits + extension;
    if (!FileExists(candidate)) return candidate;
  }
  return "";
}

// Without overwrite the copy is created exclusively (O_EXCL), so a link planted
// at the target's name is taken away, never written through.
bool CopyToNewFile(const std::string& from, const std::string& to) {
  RemoveFile(to);
  std::error_code error;
  return std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error);
}

}  // namespace

std::string GetRescueFolder(const std::string& path, bool create) {
  const std::string folder = FolderExists(path) ? path : GetFolderPart(path);
  std::string levels;
  for (const std::string& piece : SplitAtAny(folder, "/\\:%")) {
    if (!piece.empty()) levels += "/" + piece;
  }
  const std::string rescue = NormalizePath(GetTempFolder() + "/Rescue" + levels);
  if (create && !FolderExists(rescue)) CreateFolder(rescue);
  return rescue;
}

std::string BackupFile(const std::string& path, bool numbered) {
  if (!FileExists(path)) return "";
  std::string target = AddSeparator(GetRescueFolder(path, true)) + GetFileName(path);
  if (numbered) target = FirstFreeNumberedName(target);
  if (target.empty()) return "";
  return CopyToNewFile(path, target) ? target : "";
}

}  // namespace platform
