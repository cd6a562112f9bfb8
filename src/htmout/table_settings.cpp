#include "htmout/table_settings.h"

#include "platform/profile.h"

TableSettings ReadTableSettings(Profile& profile) {
  TableSettings settings;
  settings.tile = profile.GetInt("Preference", "other_tr_is_Tile", 1) == 1;
  settings.perRow = BoundCellsPerRow(profile.GetInt("Preference", "other_tr_count", 3));
  return settings;
}

unsigned BoundCellsPerRow(int value) {
  const auto count = static_cast<unsigned>(value);
  if (count == 0)
    return 1;
  return count > 5 ? 5 : count;
}
