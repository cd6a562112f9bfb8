#include "publish/staging.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "platform/clock.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "publish/upload_settings.h"

namespace publish {
namespace {

std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Creates exactly this folder; false when it exists already or cannot be made,
// so two jobs never both take the same folder.
bool CreateFreshFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::create_directory(FsPath(path), error);
}

bool MoveOver(const std::string& from, const std::string& to) {
  if (platform::RenameFile(from, to)) return true;
  return platform::CopyFileOver(from, to) && platform::RemoveFile(from);
}

bool IsIndexPageName(const std::string& name) { return name == "index.htm" || name == "index.html"; }

// "name_2.ext": the n-th staged name for a file name whose first one is taken.
std::string NumberedName(const std::string& name, int n) {
  const size_t dot = name.rfind('.');
  const size_t cut = dot == std::string::npos ? name.size() : dot;
  return name.substr(0, cut) + "_" + std::to_string(n) + name.substr(cut);
}

// The staged name of each file name of one job. Different file names whose
// 7-bit forms coincide get numbered names, so neither is lost; the same file
// name from another folder gets the same staged name: the last one wins.
class StagedNames {
 public:
  explicit StagedNames(bool sevenBit) : sevenBit_(sevenBit) {}
  std::string For(const std::string& path) {
    const std::string name = platform::GetFileName(path);
    const std::string first = sevenBit_ ? NameTo7bit(name) : name;
    for (int n = 1;; ++n) {
      const std::string staged = n == 1 ? first : NumberedName(first, n);
      const auto [owner, isNew] = owners_.try_emplace(staged, name);
      if (isNew || owner->second == name) return staged;
    }
  }

 private:
  bool sevenBit_;
  std::map<std::string, std::string> owners_;   // staged name -> file name
};

}  // namespace

std::string MakeStagingFolder(const std::string& dayFolder) {
  const std::string base = platform::AddSeparator(dayFolder) + platform::FormatLocalTime("%H%M%S");
  platform::CreateFolder(dayFolder);
  constexpr int kMaxSiblings = 1000;
  for (int n = 1; n <= kMaxSiblings; ++n) {
    const std::string candidate = n == 1 ? base : base + "_" + std::to_string(n);
    if (CreateFreshFolder(candidate)) return candidate;
    if (!platform::FileExists(candidate)) break;   // not taken, yet not creatable: give up
  }
  return {};
}

StagedFiles StageFiles(const std::vector<std::string>& files, const std::string& folder, bool sevenBit) {
  StagedNames names(sevenBit);
  StagedFiles staged;
  for (const std::string& file : files) {
    // One look at the file: a job stages hundreds.
    const platform::FileStatus status(file);
    if (status.Error() != 0 || status.IsFolder()) continue;
    const std::string destination = platform::AddSeparator(folder) + names.For(file);
    if (platform::CopyFileOver(file, destination)) staged.listedOf[destination] = file;
    else staged.failed.push_back(file);
  }
  return staged;
}

std::string AdoptIndexPage(const std::string& folder, const std::string& pageName) {
  const std::string target = platform::AddSeparator(folder) + pageName;
  std::string adopted;
  for (const std::string& entry : platform::ListFolder(folder)) {
    if (IsIndexPageName(platform::GetFileName(entry)) && MoveOver(entry, target)) adopted = entry;
  }
  return adopted;
}

}  // namespace publish
