// What a page shows, sorted out of its folder's listing.
#pragma once

#include <string>
#include <vector>

struct PageLists {
  std::vector<std::string> images;  // png, jpg, bmp, svg
  std::vector<std::string> html;    // names ending in "html", then those ending in "htm"
  std::vector<std::string> rest;    // names ending neither in ".html" nor in ".htm"
};

// Each list keeps the listing's order. A name such as "xhtml" is both a page
// and a rest entry.
PageLists SortListing(const std::vector<std::string>& listing);

// The folder's entries (sub-folders with a trailing "/") in the system's
// order; empty when the folder does not exist.
std::vector<std::string> ListPageFolder(const std::string& folder);
