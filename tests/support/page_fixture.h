// Arranging files and file times for the page tests, and looking into the
// pages they produce.
#pragma once

#include <gtest/gtest.h>
#include <sys/time.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/sandbox.h"

namespace page_test {

// A file with that content, its parent folders made, its time set when given.
inline void MakeFile(const std::string& path, const std::string& content = "x", int64_t modified = 0) {
  sandbox::WriteFile(path, content);
  const timeval times[2] = {{static_cast<time_t>(modified), 0}, {static_cast<time_t>(modified), 0}};
  ASSERT_TRUE(modified == 0 || ::utimes(path.c_str(), times) == 0) << path;
}

// True when the needles occur in text in this order.
inline bool InOrder(const std::string& text, const std::vector<std::string>& needles) {
  std::size_t from = 0;
  for (const auto& needle : needles) {
    if ((from = text.find(needle, from)) == std::string::npos) return false;
    from += needle.size();
  }
  return true;
}

}  // namespace page_test
