// Path text helpers. On this system '\' is an ordinary file-name character:
// paths split at '/' only.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Appends '/' unless the path is empty or already ends in '/'.
std::string AddSeparator(const std::string& path);

// Drops one trailing '/'.
std::string RemoveSeparator(const std::string& path);

// Joins the components with '/', dropping empty ones after the first two: so
// "/a" stays absolute and "http://host" keeps its "//".
std::string NormalizePath(const std::string& path);

// Text after the last '/', else the whole text.
std::string GetFileName(const std::string& path);

// File name without its last extension; empty for an empty name, " " or a name holding '?'.
std::string GetFileStem(const std::string& path);

// Everything before the last '/' (empty when there is none).
std::string GetFolderPart(const std::string& path);

// Pieces of text between any of the given separator characters, empty pieces included.
std::vector<std::string> SplitAtAny(const std::string& text, const std::string& separators);

// Only A-Z change: names are compared the way the file system of the tool ignores case.
std::string LowerAscii(std::string text);

}  // namespace platform
