#include "support/debug_log_reader.h"

#include <algorithm>

#include "platform/fs/debug_log.h"
#include "platform/fs/folder_walk.h"

std::string DebugLogText() {
  std::vector<std::string> files = platform::ListFolder(platform::DbgLogBaseFolder() + "/WC/");
  std::sort(files.begin(), files.end());
  std::string text;
  for (const std::string& file : files) text += platform::ReadTextFile(file, SIZE_MAX);
  return text;
}
