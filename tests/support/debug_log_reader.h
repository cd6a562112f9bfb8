// Reading back what the program wrote to its debug log inside the sandbox.
#pragma once

#include <algorithm>
#include <string>

#include "platform/fs/debug_log.h"
#include "platform/fs/folder_walk.h"

// The decoded text of every log file, in file-name order.
inline std::string DebugLogText() {
  std::vector<std::string> files = platform::ListFolder(platform::DbgLogBaseFolder() + "/WC/");
  std::sort(files.begin(), files.end());
  std::string text;
  for (const std::string& file : files) text += platform::ReadTextFile(file, SIZE_MAX);
  return text;
}
