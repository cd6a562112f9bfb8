// Arranging settings, files and file times for the page tests, and looking
// into the pages they produce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace page_test {

// A file with that content, its parent folders made, its time set when given.
void MakeFile(const std::string& path, const std::string& content = "x", int64_t modified = 0);

// True when the needles occur in text in this order.
bool InOrder(const std::string& text, const std::vector<std::string>& needles);

}  // namespace page_test
