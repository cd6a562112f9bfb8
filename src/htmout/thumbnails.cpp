#include "htmout/thumbnails.h"

#include "htmout/thumb_finder.h"
#include "platform/profile.h"

namespace {

ThumbFinder FreshFinder() {
  Profile profile;
  return ThumbFinder(ReadThumbSettings(profile));
}

}  // namespace

std::string HT_Web_root(const std::string& path) {
  return FreshFinder().WebRoot(path);
}

std::string HT_Thumb_path(const std::string& path) {
  return FreshFinder().ThumbPath(path);
}

bool HT_Has_thumb(const std::string& path) {
  return !HT_Find_thumb(path).empty();
}

std::string HT_Find_thumb(const std::string& path) {
  ThumbFinder finder = FreshFinder();
  return finder.FindThumb(finder.ThumbPath(path));
}

std::string HT_Thumb_url(const std::string& path, const std::string& base) {
  return FreshFinder().ThumbUrl(path, base);
}
