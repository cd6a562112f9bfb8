#include "update/page_diff.h"

#include "platform/process/process.h"

namespace update {

// Paths go to the program as arguments of their own, never through a command line.
bool WritePageDifferences(const std::string& oldFile, const std::string& newFile, const std::string& resultFile) {
  const std::string diff = platform::FindProgram("diff");
  return !diff.empty() && platform::RunProgram({diff, oldFile, newFile}, resultFile);
}

}  // namespace update
