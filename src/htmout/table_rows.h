// Grouping of table cells into rows.
#pragma once

#include <string>
#include <vector>

// One "tr" per "other_tr_count" cells (the last row may hold fewer), each as
// its one-line text.
std::vector<std::string> HT_Make_tr_rows(const std::vector<std::string>& cells);

std::vector<std::string> MakeRows(const std::vector<std::string>& cells, unsigned perRow);
