#include "platform/fs/folder_walk.h"

#include <dirent.h>

#include <algorithm>

#include "platform/fs/file_status.h"
#include "platform/system/feedback.h"
#include "platform/text/path_text.h"

namespace platform {
namespace {

constexpr size_t kShownRootLength = 40;

// '*' matches any run; on a mismatch the last '*' takes one more character.
bool Matches(const std::string& name, const std::string& pattern) {
  size_t n = 0, p = 0, star = std::string::npos, starMatch = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      starMatch = n;
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p, ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++starMatch;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Links are left out: a walk through them leaves the tree, or never ends.
std::vector<std::string> DirectSubFolders(const std::string& folder) {
  std::vector<std::string> entries = ListFolder(AddSeparator(folder));
  std::erase_if(entries, [](const std::string& entry) {
    return entry.back() != '/' || IsSymbolicLink(RemoveSeparator(entry));
  });
  return entries;
}

// The tail of a long root, for the progress title.
std::string ShortForDisplay(const std::string& root) {
  if (root.size() <= kShownRootLength) return root;
  return "..." + root.substr(root.size() - kShownRootLength);
}

}  // namespace

std::vector<std::string> ListFolder(const std::string& path) {
  const std::string folder = RemoveSeparator(FolderExists(path) ? path : GetFolderPart(path));
  const bool root = folder.empty() && !path.empty() && (path[0] == '/' || path[0] == '\\');
  const std::string prefix = folder.empty() && !root ? "" : folder + "/";
  std::vector<std::string> entries;
  DIR* dir = ::opendir(folder.empty() ? (root ? "/" : ".") : folder.c_str());
  if (!dir) return entries;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string full = prefix + name;
    // The entry's own type saves a look at each of hundreds of files; a link
    // (or a file system that does not tell) is looked at, as it may lead to a folder.
    const bool mayLead = entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
    const bool folder = entry->d_type == DT_DIR || (mayLead && FolderExists(full));
    entries.push_back(folder ? full + "/" : full);
  }
  ::closedir(dir);
  return entries;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  return Matches(LowerAscii(name), LowerAscii(pattern));
}

std::vector<std::string> FilterFiles(const std::vector<std::string>& paths, const std::string& pattern) {
  TitleProgress progress("Extract files ...", static_cast<unsigned>(paths.size()));
  std::vector<std::string> kept;
  for (const std::string& path : paths) {
    progress.Step();
    if (MatchesPattern(GetFileName(path), pattern)) kept.push_back(path);
  }
  return kept;
}

void EnumerateFolders(std::vector<std::string>& list, const std::string& root) {
  size_t next = list.size();
  for (std::string& folder : DirectSubFolders(root)) list.push_back(std::move(folder));
  TitleProgress progress(ShortForDisplay(root) + " Enumerate folders ...", static_cast<unsigned>(list.size()));
  for (; next < list.size(); ++next) {
    for (std::string& folder : DirectSubFolders(list[next])) list.push_back(std::move(folder));
    progress.SetTotal(static_cast<unsigned>(list.size()));
    progress.Step();
  }
}

}  // namespace platform
