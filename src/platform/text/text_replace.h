// Replacing every occurrence of a piece of text.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Left to right, without rescanning inserted text; an empty search text changes nothing.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

}  // namespace platform
