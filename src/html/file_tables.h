// The tables of files on the index page: one cell per file, a link with its
// name and, when the file has a thumbnail, a link whose content is the
// thumbnail. The rows are one-line markup put into the table as its text, so
// the page tree stays flat for any number of files.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "html/element.h"
#include "html/page_input.h"

namespace html {

// A centred table of the entries: cells of those with a thumbnail first, then
// the others, settings.perRow cells per row, tiles or list lines.
Element FileTable(const std::vector<std::string>& entries, const std::map<std::string, std::string>& thumbnails,
                  const TableSettings& settings);

}  // namespace html
