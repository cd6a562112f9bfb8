// Layout of the file tables: section "Preference" of the program's profile.
#pragma once

class Profile;

struct TableSettings {
  bool tile = true;        // "other_tr_is_Tile" 1: image above name; else beside it
  unsigned perRow = 3;     // "other_tr_count", bounded to 1..5
};

TableSettings ReadTableSettings(Profile& profile);

// 0 is taken as 1, anything above 5 (negative values included) as 5.
unsigned BoundCellsPerRow(int value);
