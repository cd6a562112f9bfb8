#include "publish/file_list.h"

#include <algorithm>

#include "platform/text/utf.h"

namespace publish {

void AddDroppedFiles(FileList& list, const std::vector<std::string>& dropped) {
  list.insert(list.end(), dropped.begin(), dropped.end());
  std::sort(list.begin(), list.end(), platform::LessByUtf16);
  list.erase(std::unique(list.begin(), list.end()), list.end());
}

}  // namespace publish
