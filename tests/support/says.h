// What a run printed, checked by a part of it.
#pragma once

#include <string>

// Text holds part; an empty part wants an empty text, so that no row checks nothing.
inline bool Says(const std::string& text, const std::string& part) {
  return part.empty() ? text.empty() : text.find(part) != std::string::npos;
}
