// Thumbnails of the files a page lists: picture files in an "images" folder
// tree below a web-root folder, mirroring the files' paths below that root
// (photo.png -> images/.../photo.png.jpg). The page only looks for them.
#pragma once

#include <string>

#include "publish/file_lookup.h"

namespace publish {

// Where thumbnails live: section "FilePath" of the program's profile.
struct ThumbSettings {
  std::string root;               // "htm_out_root": web root for every path; empty: found from the path
  std::string extension = "jpg";  // "htm_out_thumb_ext": extension of thumbnail files, without "."
};

// The deepest folder of the path named like a site or synchronised-documents
// root ("www", "public", "dropbox", ...), from the text alone; isRegularFile
// drops the file name first. No trailing separator. When no folder word
// matches, the first component remains: a drive such as "D:", or empty for a
// path beginning with "/".
std::string WebRootOfText(const std::string& path, bool isRegularFile);

// The thumbnail look-ups of one page build; file-system answers come from one
// FileLookup, so nothing else may change those folders meanwhile.
class ThumbFinder {
 public:
  explicit ThumbFinder(ThumbSettings settings);

  // The thumbnail's address relative to the entry's folder, or empty when the
  // entry (a sub-folder ends in "/") has none. On the way it removes leftover
  // ".dib" forms and a thumbnail whose time is off its file's by a 4-second
  // step or more, and creates the thumbnail's folder below a web root.
  std::string Address(const std::string& entry);

 private:
  std::string WebRoot(const std::string& path);
  std::string ThumbPath(const std::string& path);
  void RemoveOlderForms(const std::string& thumbPath);
  void RemoveStale(const std::string& path, const std::string& thumbPath);
  std::string FindThumb(const std::string& thumbPath);
  std::string UpPrefix(const std::string& base);

  ThumbSettings settings_;
  FileLookup files_;
};

}  // namespace publish
