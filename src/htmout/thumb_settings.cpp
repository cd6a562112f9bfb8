#include "htmout/thumb_settings.h"

#include "platform/profile.h"

ThumbSettings ReadThumbSettings(Profile& profile) {
  ThumbSettings settings;
  settings.root = profile.GetStr("FilePath", "htm_out_root", "");
  settings.extension = profile.GetStr("FilePath", "htm_out_thumb_ext", "jpg");
  return settings;
}
