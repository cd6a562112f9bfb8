// Path text helpers. They accept both '/' and '\' as separators; two leading
// separators mark a network path and survive normalisation.
#pragma once

#include <string>
#include <vector>

// Appends sep unless the path is empty or already ends in '/' or '\'.
std::string AddSeparator(const std::string& path, char sep = '/');

// Drops one trailing '/' or '\'.
std::string RemoveSeparator(const std::string& path);

// Joins the components with sep, dropping empty ones after the first two: so
// "/a" stays absolute, "//server/share" stays a network path and "C:\" a root.
std::string NormalizePath(const std::string& path, char sep = '/');

// Text after the last '\', else after the last '/', else the whole text.
std::string GetFileName(const std::string& path);

// File name without its last extension; empty for an empty name, " " or a name holding '?'.
std::string GetFileStem(const std::string& path);

// Everything before the last separator (empty when there is none).
std::string GetFolderPart(const std::string& path);

// Pieces of text between any of the given separator characters, empty pieces included.
std::vector<std::string> SplitAtAny(const std::string& text, const std::string& separators);

bool IsNetworkPath(const std::string& path);

// Only A-Z change: names are compared the way the file system of the tool ignores case.
std::string LowerAscii(std::string text);
