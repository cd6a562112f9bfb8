// One cell of a file table: a link with the file's name and, when the file
// has a thumbnail, a link whose content is the thumbnail.
#pragma once

#include <string>

class ThumbFinder;

// Tile ("data_br", image below the name) or list line ("data_ia", image
// cell beside the name cell) by the profile's "other_tr_is_Tile".
std::string HT_Make_other_td(const std::string& path);

std::string MakeCell(ThumbFinder& finder, const std::string& path, bool tile);
