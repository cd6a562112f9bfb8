#include "publish/thumb_finder.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "html/writer.h"
#include "suite/folders.h"

namespace publish {
namespace {

// "z_suite.tmp" is the program temporary folder, so staging folders always
// find a root.
constexpr std::array<std::string_view, 11> kFolderWords = {
    "www", "web", "documents", "document", "public", "wwwroot",
    "dropbox", "skydrive", "onedrive", "google drive", "z_suite.tmp"};

bool IsFolderWord(const std::string& component) {
  const std::string lower = platform::LowerAscii(component);
  for (std::string_view word : kFolderWords) {
    if (lower == word) return true;
  }
  return false;
}

// Replaces the text after the last "." of the file name, or appends "." and
// the new extension when the name has no ".".
std::string ChangeExtension(const std::string& path, const std::string& extension) {
  const auto dot = path.rfind('.');
  const auto separator = path.rfind('/');
  const bool hasDot = dot != std::string::npos && (separator == std::string::npos || dot > separator);
  return (hasDot ? path.substr(0, dot) : path) + "." + extension;
}

}  // namespace

std::string WebRootOfText(const std::string& path, bool isRegularFile) {
  std::vector<std::string> parts = platform::SplitAtAny(platform::NormalizePath(path), "/");
  if (parts.empty()) return {};
  if (isRegularFile && parts.size() > 1) parts.pop_back();
  // The first component (a drive, or empty before a leading "/") is never
  // tested; it is the root when nothing else matches.
  size_t last = 0;
  for (size_t i = parts.size(); i-- > 1;) {
    if (IsFolderWord(parts[i])) {
      last = i;
      break;
    }
  }
  std::string root = parts[0];
  for (size_t i = 1; i <= last; ++i) root += "/" + parts[i];
  // A root one level below the matched word is not taken: the root ends at
  // the word itself.
  return root.empty() ? root : platform::NormalizePath(root);
}

ThumbFinder::ThumbFinder(ThumbSettings settings) : settings_(std::move(settings)) {}

std::string ThumbFinder::Address(const std::string& entry) {
  const std::string path = platform::RemoveSeparator(entry);
  const std::string thumbPath = ThumbPath(path);
  RemoveStale(path, thumbPath);
  const std::string target = FindThumb(thumbPath);
  if (target.empty()) return {};
  const std::string root = WebRoot(target);
  if (target.size() <= root.size()) return platform::NormalizePath(target);
  return platform::NormalizePath(UpPrefix(path) + target.substr(root.size()));
}

std::string ThumbFinder::WebRoot(const std::string& path) {
  if (!settings_.root.empty()) return settings_.root;
  return WebRootOfText(path, files_.IsRegularFile(path));
}

// Removes leftover thumbnails of the older ".dib" forms and creates the
// thumbnail's folder when the path has a web root.
std::string ThumbFinder::ThumbPath(const std::string& path) {
  const std::string root = WebRoot(path);
  // The source's own extension stays in the name: photo.png -> photo.png.jpg.
  std::string thumb = ChangeExtension(path + ".jpg", settings_.extension);
  if (root.empty()) {
    thumb = platform::AddSeparator(platform::GetFolderPart(thumb)) + "images/" +
            html::ToSafeFileName(platform::GetFileName(thumb));
  } else {
    const std::string rootFolder = platform::AddSeparator(root);
    if (thumb.size() >= rootFolder.size()) thumb = rootFolder + "images/" + thumb.substr(rootFolder.size());
  }
  RemoveOlderForms(thumb);
  if (!root.empty()) files_.CreateFolderOnce(platform::GetFolderPart(thumb));
  return thumb;
}

void ThumbFinder::RemoveOlderForms(const std::string& thumbPath) {
  for (const char* extension : {"dib", "dib.jpg"}) {
    const std::string older = ChangeExtension(thumbPath, extension);
    if (files_.Exists(older)) files_.Remove(older);
  }
}

// Times compared in whole 4-second steps, as file systems that store times
// in 2-second steps would otherwise make every copied thumbnail stale.
void ThumbFinder::RemoveStale(const std::string& path, const std::string& thumbPath) {
  if (files_.Exists(thumbPath) && files_.ModifiedTime(thumbPath) / 4 != files_.ModifiedTime(path) / 4)
    files_.Remove(thumbPath);
}

// The existing one of the thumbnail, its ".jpg" and its ".png" form; or empty.
std::string ThumbFinder::FindThumb(const std::string& thumbPath) {
  for (const std::string& candidate :
       {thumbPath, ChangeExtension(thumbPath, "jpg"), ChangeExtension(thumbPath, "png")}) {
    if (files_.Exists(candidate)) return candidate;
  }
  return {};
}

// One "../" per piece of the folder's text below its root; that text starts
// with a separator, so the empty piece before it counts as well.
std::string ThumbFinder::UpPrefix(const std::string& base) {
  const std::string folder = files_.IsRegularFile(base) ? platform::GetFolderPart(base) : base;
  const std::string root = WebRoot(folder);
  if (folder.size() <= root.size()) return "./";
  std::string prefix = "../";
  for (char c : folder.substr(root.size())) {
    if (c == '/') prefix += "../";
  }
  return prefix;
}

}  // namespace publish
