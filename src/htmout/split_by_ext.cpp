#include "htmout/split_by_ext.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

#include "htmout/path_parts.h"
#include "platform/folders.h"

namespace {

std::pair<PathList, PathList> SplitBy(const PathList& paths,
                   const std::function<bool(const std::string&)>& inFirst) {
  std::pair<PathList, PathList> lists;
  for (const auto& path : paths)
    (inFirst(path) ? lists.first : lists.second).push_back(path);
  return lists;
}

bool IsImage(const std::string& path) {
  static constexpr std::array<std::string_view, 4> kImageExtensions = {"png", "jpg", "bmp", "svg"};
  const std::string extension = LowerAscii(ExtensionOf(GetFileName(path)));
  return std::find(kImageExtensions.begin(), kImageExtensions.end(), extension) !=
     kImageExtensions.end();
}

}  // namespace

std::pair<PathList, PathList> HT_Split_by_ext(const PathList& paths, const std::string& prefix,
                       const std::string& suffix) {
  const std::string lowerPrefix = LowerAscii(prefix);
  const std::string lowerSuffix = LowerAscii(suffix);
  return SplitBy(paths, [&](const std::string& path) {
    const std::string name = LowerAscii(GetFileName(path));
    return name.starts_with(lowerPrefix) && name.ends_with(lowerSuffix);
  });
}

std::pair<PathList, PathList> HT_Split_images(const PathList& paths) {
  return SplitBy(paths, IsImage);
}
