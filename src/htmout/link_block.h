// The block of site links at the top of every page: markup the user keeps in
// "main_lnk.htm" of the settings folder (or in the file named by
// "path_link_html"), shown unchanged.
#pragma once

#include <string>

// Text of a new "main_lnk.htm": the site's icon and host name, each linking
// to the site's root, and a rule.
std::string HT_Make_main_lnk();

// The link-block markup; creates "main_lnk.htm" when it is missing. Empty
// when no link file can be read.
std::string HT_Link_block_text();
