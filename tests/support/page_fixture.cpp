#include "support/page_fixture.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include "support/sandbox.h"

namespace page_test {

void MakeFile(const std::string& path, const std::string& content, int64_t modified) {
  sandbox::WriteFile(path, content);
  const timeval times[2] = {{static_cast<time_t>(modified), 0}, {static_cast<time_t>(modified), 0}};
  ASSERT_TRUE(modified == 0 || ::utimes(path.c_str(), times) == 0) << path;
}

bool InOrder(const std::string& text, const std::vector<std::string>& needles) {
  std::size_t from = 0;
  for (const auto& needle : needles) {
    if ((from = text.find(needle, from)) == std::string::npos) return false;
    from += needle.size();
  }
  return true;
}

}  // namespace page_test
