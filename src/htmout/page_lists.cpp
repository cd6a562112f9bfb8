#include "htmout/page_lists.h"

#include "htmout/path_parts.h"
#include "htmout/split_by_ext.h"
#include "platform/file_services.h"
#include "platform/folders.h"

PageLists SortListing(const std::vector<std::string>& listing) {
  PageLists lists;
  auto [images, others] = HT_Split_images(listing);
  lists.images = std::move(images);
  lists.html = HT_Split_by_ext(others, "", "html").first;
  const auto htm = HT_Split_by_ext(others, "", "htm").first;
  lists.html.insert(lists.html.end(), htm.begin(), htm.end());
  for (const auto& path : others) {
    const std::string name = LowerAscii(GetFileName(path));
    if (!name.ends_with(".html") && !name.ends_with(".htm"))
      lists.rest.push_back(path);
  }
  return lists;
}

std::vector<std::string> ListPageFolder(const std::string& folder) {
  // The listing falls back to the parent of a missing folder.
  if (!FolderExists(folder))
    return {};
  return ListFolder(folder);
}
