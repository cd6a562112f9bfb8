// Folder listings, name patterns and the walk through a folder tree.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Entries as full paths, in the order the system gives them; folders end with '/'.
// When path is not a folder its folder part is listed; empty when it cannot be read.
std::vector<std::string> ListFolder(const std::string& path);

// The paths whose file name matches the pattern ('*' = any run), ignoring case.
std::vector<std::string> FilterFiles(const std::vector<std::string>& paths, const std::string& pattern);
bool MatchesPattern(const std::string& name, const std::string& pattern);

// Appends every folder below root, breadth-first (parents before children),
// without entering links to folders.
void EnumerateFolders(std::vector<std::string>& list, const std::string& root);

}  // namespace platform
