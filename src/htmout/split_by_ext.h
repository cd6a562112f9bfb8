// Splitting of a folder listing by file name, keeping the listing's order.
#pragma once

#include <string>
#include <utility>
#include <vector>

using PathList = std::vector<std::string>;

// First: the entries whose lower-cased file name starts with the lower-cased
// prefix and ends with the lower-cased suffix; second: the others.
std::pair<PathList, PathList> HT_Split_by_ext(const PathList& paths, const std::string& prefix,
                       const std::string& suffix);

// First: the entries with the extension "png", "jpg", "bmp" or "svg" in any
// letter case; second: the others.
std::pair<PathList, PathList> HT_Split_images(const PathList& paths);
