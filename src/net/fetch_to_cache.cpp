#include "net/fetch_to_cache.h"

#include "net/cache_path.h"
#include "net/http_get.h"
#include "net/move_aside.h"
#include "platform/file_services.h"

std::string fetch_to_cache(const std::string& url) {
  const std::string localPath = cache_path(url);
  const std::string tail = url_tail(url);
  move_aside(localPath);
  if (!FileExists(localPath, true)) http_get("https:", tail, localPath);
  if (!FileExists(localPath, true)) http_get("http:", tail, localPath);
  return localPath;
}
