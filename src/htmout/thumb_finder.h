// The thumbnail rules for one page build: where a file's thumbnail is
// expected, which one exists, and its address on the page. Settings are
// taken once, file-system answers come from one FileLookup.
#pragma once

#include <string>

#include "htmout/file_lookup.h"
#include "htmout/thumb_settings.h"

class ThumbFinder {
 public:
  explicit ThumbFinder(ThumbSettings settings);

  std::string WebRoot(const std::string& path);
  // Removes leftover thumbnails of the older ".dib" forms and creates the
  // thumbnail's folder when the path has a web root.
  std::string ThumbPath(const std::string& path);
  // The existing one of the thumbnail, its ".jpg" and its ".png" form; or empty.
  std::string FindThumb(const std::string& thumbPath);
  // Empty when the file has no thumbnail. An empty base means the path.
  std::string ThumbUrl(const std::string& path, const std::string& base);

  FileLookup& Files() { return files_; }

 private:
  std::string UpPrefix(const std::string& base);
  void RemoveOlderForms(const std::string& thumbPath);

  ThumbSettings settings_;
  FileLookup files_;
};
