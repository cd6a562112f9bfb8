// The index page of an upload: link block, slide show, image table, tables
// of pages and of other files, footer; saved next to the files it lists.
#pragma once

#include <string>

// Writes folder + "/" + pageName; true when the page was written there. An
// earlier page of that name is first copied to the rescue folder.
bool HT_Make_index(const std::string& folder, const std::string& pageName);

// folder, a "/" unless it ends in a separator or is empty, pageName.
std::string HT_Page_path(const std::string& folder, const std::string& pageName);
