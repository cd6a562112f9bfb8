// Keeping earlier downloads: a file about to be overwritten is moved to a
// numbered name beside it (name.000.ext, name.001.ext, ...).
#pragma once

#include <string>

namespace net {

// The numbered name with the given counter (0..999).
std::string NumberedName(const std::string& path, int counter);

// Moves an existing file at path to the first free numbered name; when all
// thousand are taken, the oldest numbered copy is replaced. Returns the new
// name, or empty when there was nothing to move or the move failed.
std::string MoveAside(const std::string& path);

}  // namespace net
