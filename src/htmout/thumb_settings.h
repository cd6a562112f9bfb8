// Where thumbnails live: section "FilePath" of the program's profile.
#pragma once

#include <string>

class Profile;

struct ThumbSettings {
  std::string root;       // "htm_out_root": web root for every path; empty: found from the path
  std::string extension;  // "htm_out_thumb_ext": extension of thumbnail files, without "."
};

ThumbSettings ReadThumbSettings(Profile& profile);
