// Thumbnail paths and addresses of single files. Each call reads the
// "FilePath" settings of the profile and looks at the file system afresh;
// page builds use one ThumbFinder instead.
#pragma once

#include <string>

// The web-root folder of the path, without trailing separator, or empty.
std::string HT_Web_root(const std::string& path);

// Where the thumbnail of the file is expected: below the web root, in the
// "images" tree mirroring the path, named after the file plus the thumbnail
// extension (photo.png -> photo.png.jpg). Removes leftover ".dib" forms and
// creates the thumbnail's folder.
std::string HT_Thumb_path(const std::string& path);

bool HT_Has_thumb(const std::string& path);

// The existing thumbnail file (the expected one, or its ".jpg" or ".png"
// form), or empty.
std::string HT_Find_thumb(const std::string& path);

// The thumbnail's address relative to base (empty: the path itself), or empty
// when the file has no thumbnail.
std::string HT_Thumb_url(const std::string& path, const std::string& base = "");
