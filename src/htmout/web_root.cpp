#include "htmout/web_root.h"

#include <array>
#include <string_view>
#include <vector>

#include "htmout/path_parts.h"
#include "platform/folders.h"

namespace {

// "z_suite.tmp" is the program temporary folder, so staging folders always
// find a root.
constexpr std::array<std::string_view, 11> kFolderWords = {
  "www", "web", "documents", "document", "public", "wwwroot",
  "dropbox", "skydrive", "onedrive", "google drive", "z_suite.tmp"};

bool IsFolderWord(const std::string& component) {
  const std::string lower = LowerAscii(component);
  for (auto word : kFolderWords) {
    if (lower == word)
      return true;
  }
  return false;
}

}  // namespace

std::string WebRootOfText(const std::string& path, bool isRegularFile) {
  std::vector<std::string> parts = SplitAtAny(NormalizePath(path), "/");
  if (parts.empty())
    return {};
  if (isRegularFile && parts.size() > 1)
    parts.pop_back();
  // The first component (a drive, or empty before a leading "/") is never
  // tested; it is the root when nothing else matches.
  std::size_t last = 0;
  for (std::size_t i = parts.size(); i-- > 1;) {
    if (IsFolderWord(parts[i])) {
      last = i;
      break;
    }
  }
  std::string root = parts[0];
  for (std::size_t i = 1; i <= last; ++i)
    root += "/" + parts[i];
  // A root one level below the matched word is not taken: the root ends at
  // the word itself.
  return root.empty() ? root : NormalizePath(root);
}
