// The index page of an upload: link block, slide show, image table, tables
// of pages and of other files, footer. Built from a PageInput alone.
#pragma once

#include <string>
#include <vector>

#include "html/element.h"
#include "html/page_input.h"

namespace html {

// What a page shows, sorted out of its folder's listing; each list keeps the
// listing's order.
struct PageLists {
  std::vector<std::string> images;  // extension png, jpg, bmp or svg in any letter case
  std::vector<std::string> html;    // the others ending in "html", then those ending in "htm"
  std::vector<std::string> rest;    // the others ending neither in ".html" nor in ".htm"
};

// A name such as "xhtml" is both a page and a rest entry.
PageLists SortListing(const std::vector<std::string>& listing);

// The page's tree, ready for SavePage.
Element BuildIndexPage(const PageInput& input);

// Text of a new "main_lnk.htm": the site's icon and host name, each linking
// to the site's root, and a rule.
std::string DefaultLinkBlock();

}  // namespace html
