// A centred table of files: cells with a thumbnail first, then the others,
// laid out "other_tr_count" cells per row. The rows are one-line markup put
// into the table as its text, so the page tree stays flat for any file count.
#pragma once

#include <string>
#include <vector>

#include "htmout/xml_element.h"

class ThumbFinder;
struct TableSettings;

// Shows the entries whose file name starts with prefix, then the others, and
// leaves only the others in paths. Thumbnails are never made here (no image
// library is linked), whatever makeThumbs asks.
Xml_E HT_Make_table(std::vector<std::string>& paths, bool makeThumbs, const std::string& prefix);

// The rows of the paths: rows of cells with thumbnails, then rows of cells
// without, each group's rows joined and ended by CR LF. Removes a thumbnail
// whose time is off its file's by a 4-second step or more.
std::string HT_Make_other_tr(const std::vector<std::string>& paths, bool makeThumbs);

Xml_E MakeTable(std::vector<std::string>& paths, const std::string& prefix, ThumbFinder& finder,
        const TableSettings& settings);
