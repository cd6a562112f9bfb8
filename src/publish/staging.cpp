#include "publish/staging.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/fs/file_io.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "platform/process/process.h"
#include "platform/system/clock.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"

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

bool StillAsChecked(const CheckedFile& file, const std::string& copy) {
  const platform::FileStatus now(file.path);
  return now.Error() == 0 && now.Size() == file.size && now.ModifiedNanoseconds() == file.modifiedNs &&
         platform::FileStatus(copy).Size() == file.size;
}

bool WriteOwnerMark(const std::string& stagingFolder) {
  const std::string id = std::to_string(platform::CurrentProcessId()) + "\n";
  return platform::WriteFileBytes(OwnerMarkOf(stagingFolder), platform::Bytes(id.begin(), id.end()));
}

long OwnerOf(const std::string& mark) {
  const platform::Bytes bytes = platform::ReadFileBytes(mark);
  const std::string text(bytes.begin(), bytes.end());
  return text.empty() || text.size() > 20 ? 0 : std::atol(text.c_str());
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
    if (CreateFreshFolder(candidate)) {
      if (WriteOwnerMark(candidate)) return candidate;
      platform::RemoveFolder(candidate);
      return {};
    }
    if (!platform::FileExists(candidate)) break;   // not taken, yet not creatable: give up
  }
  return {};
}

StagedFiles StageFiles(const std::vector<CheckedFile>& files, const std::string& folder, bool sevenBit) {
  StagedNames names(sevenBit);
  StagedFiles staged;
  for (const CheckedFile& file : files) {
    const std::string destination = platform::AddSeparator(folder) + names.For(file.path);
    if (!platform::CopyFileOver(file.path, destination)) {
      staged.failed.push_back(file.path);
    } else if (!StillAsChecked(file, destination)) {
      platform::RemoveFile(destination);
      staged.changed.push_back(file.path);
    } else {
      staged.listedOf[destination] = file.path;
    }
  }
  return staged;
}

std::string OwnerMarkOf(const std::string& stagingFolder) {
  return platform::RemoveSeparator(stagingFolder) + ".pid";
}

void RemoveStagingFolder(const std::string& stagingFolder) {
  for (const std::string& entry : platform::ListFolder(platform::AddSeparator(stagingFolder))) {
    if (entry.back() != '/') platform::RemoveFile(entry);
  }
  platform::RemoveFolder(stagingFolder);
  platform::RemoveFile(OwnerMarkOf(stagingFolder));
}

void RemoveAbandonedStaging(const std::string& workRoot) {
  for (const std::string& day : platform::ListFolder(platform::AddSeparator(workRoot))) {
    if (day.back() != '/' || platform::IsSymbolicLink(platform::RemoveSeparator(day))) continue;
    for (const std::string& mark : platform::FilterFiles(platform::ListFolder(day), "*.pid")) {
      if (!platform::ProcessRuns(OwnerOf(mark))) RemoveStagingFolder(mark.substr(0, mark.size() - 4));
    }
  }
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
