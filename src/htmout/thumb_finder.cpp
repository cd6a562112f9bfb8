#include "htmout/thumb_finder.h"

#include <utility>

#include "htmout/path_parts.h"
#include "htmout/web_root.h"
#include "htmout/xml_out.h"
#include "platform/folders.h"

ThumbFinder::ThumbFinder(ThumbSettings settings) : settings_(std::move(settings)) {}

std::string ThumbFinder::WebRoot(const std::string& path) {
  if (!settings_.root.empty())
    return settings_.root;
  return WebRootOfText(path, files_.IsRegularFile(path));
}

std::string ThumbFinder::ThumbPath(const std::string& path) {
  const std::string root = WebRoot(path);
  // The source's own extension stays in the name: photo.png -> photo.png.jpg.
  std::string thumb = ChangeExtension(path + ".jpg", settings_.extension);
  if (root.empty()) {
    thumb = AddSeparator(GetFolderPart(thumb)) + "images/" + ToSafeFileName(GetFileName(thumb));
  } else {
    const std::string rootFolder = AddSeparator(root);
    if (thumb.size() >= rootFolder.size())
      thumb = rootFolder + "images/" + thumb.substr(rootFolder.size());
  }
  RemoveOlderForms(thumb);
  if (!root.empty())
    files_.CreateFolderOnce(GetFolderPart(thumb));
  return thumb;
}

void ThumbFinder::RemoveOlderForms(const std::string& thumbPath) {
  for (const char* extension : {"dib", "dib.jpg"}) {
    const std::string older = ChangeExtension(thumbPath, extension);
    if (files_.Exists(older))
      files_.Remove(older);
  }
}

std::string ThumbFinder::FindThumb(const std::string& thumbPath) {
  for (const std::string& candidate :
    {thumbPath, ChangeExtension(thumbPath, "jpg"), ChangeExtension(thumbPath, "png")}) {
    if (files_.Exists(candidate))
      return candidate;
  }
  return {};
}

std::string ThumbFinder::ThumbUrl(const std::string& path, const std::string& base) {
  const std::string target = FindThumb(ThumbPath(path));
  if (target.empty())
    return {};
  const std::string root = WebRoot(target);
  if (target.size() <= root.size())
    return NormalizePath(target);
  return NormalizePath(UpPrefix(base.empty() ? path : base) + target.substr(root.size()));
}

// One "../" per piece of the folder's text below its root; that text starts
// with a separator, so the empty piece before it counts as well.
std::string ThumbFinder::UpPrefix(const std::string& base) {
  const std::string folder = files_.IsRegularFile(base) ? GetFolderPart(base) : base;
  const std::string root = WebRoot(folder);
  if (folder.size() <= root.size())
    return "./";
  std::string prefix = "../";
  for (char c : folder.substr(root.size())) {
    if (c == '/')
      prefix += "../";
  }
  return prefix;
}
