// Everything the index page shows, gathered by its caller: the page builder
// reads no settings and touches no file. Defaults are those of the profile.
#pragma once

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "html/element.h"

namespace html {

// Layout of the file tables, as the profile's "Preference" section holds it.
struct TableSettings {
  int tile = 1;    // "other_tr_is_Tile": 1 shows the image above the name, any other value beside it
  int perRow = 3;  // "other_tr_count": 0 counts as 1, above 5 (negative values included) as 5
};

struct PageInput {
  std::string pageName;  // the page's file name; its stem is the title
  // The folder's entries as full paths in the system's order; sub-folders end in "/".
  std::vector<std::string> listing;
  // Thumbnail address (relative to the page) by listing entry; entries without one are left out.
  std::map<std::string, std::string> thumbnails;
  std::string browserAddress;  // the page folder's address, named in a comment of the head
  std::string linkBlock;       // markup of the site links, shown unchanged at the top
  TableSettings table;
  std::string libraryScheme = "https:";       // "http___2019_10": scheme of the script libraries
  std::string libraryServer = "//localhost";  // "server_2019_10": their server, right after the scheme
  std::string slideWidth = "100%";            // "img_width_slider": CSS width of the slide images
  // "img_width_" + class: CSS width of each image class of the style sheet, in its order.
  std::vector<Style> imageWidths = {
      {"n_view", "600px"}, {"data_3d", "600px"}, {"data_br", "300px"}, {"data_ia", "100px"}, {"index", "200px"}};
  std::string programPath;      // named in the banner
  std::optional<std::tm> time;  // local time of writing; none: an empty time text
};

}  // namespace html
