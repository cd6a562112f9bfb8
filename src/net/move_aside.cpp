#include "net/move_aside.h"

#include <cstdio>

#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "suite/folders.h"

namespace net {
namespace {

constexpr int kNumberedNames = 1000;

std::string Extension(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot + 1);
}

// With every name taken the copies form a ring: the least recently written one goes.
std::string OldestNumberedName(const std::string& path) {
  std::string oldest = NumberedName(path, 0);
  int64_t oldestTime = platform::FileStatus(oldest).ModifiedTime();
  for (int counter = 1; counter < kNumberedNames; ++counter) {
    const std::string candidate = NumberedName(path, counter);
    const int64_t time = platform::FileStatus(candidate).ModifiedTime();
    if (time < oldestTime) {
      oldest = candidate;
      oldestTime = time;
    }
  }
  return oldest;
}

std::string FreeNumberedName(const std::string& path) {
  for (int counter = 0; counter < kNumberedNames; ++counter) {
    const std::string candidate = NumberedName(path, counter);
    if (!platform::FileExists(candidate)) return candidate;
  }
  const std::string oldest = OldestNumberedName(path);
  platform::RemoveFile(oldest);
  return oldest;
}

bool MoveOrCopy(const std::string& from, const std::string& to) {
  if (platform::RenameFile(from, to)) return true;
  return platform::CopyFileOver(from, to) && platform::RemoveFile(from);
}

}  // namespace

std::string NumberedName(const std::string& path, int counter) {
  const std::string name = platform::GetFileName(path);
  const std::string extension = Extension(name);
  char number[8];
  std::snprintf(number, sizeof number, "%03d", counter);
  std::string result =
      platform::AddSeparator(platform::GetFolderPart(path)) + platform::GetFileStem(path) + "." + number;
  if (!extension.empty()) result += "." + extension;
  return result;
}

std::string MoveAside(const std::string& path) {
  if (!platform::FileExists(path) || platform::FolderExists(path)) return "";
  const std::string target = FreeNumberedName(path);
  return MoveOrCopy(path, target) ? target : "";
}

}  // namespace net
