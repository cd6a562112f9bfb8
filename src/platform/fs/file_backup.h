// Backup copies of files in the rescue folder below the temporary folder.
#pragma once

#include <string>

namespace platform {

// <temp>/Rescue/<folder of path, one level per drive and folder>, no trailing '/'.
std::string GetRescueFolder(const std::string& path, bool create);

// Copies the file into its rescue folder (numbered: name.000.ext to name.999.ext,
// the first free one); the copy's path, or empty when nothing was copied.
std::string BackupFile(const std::string& path, bool numbered);

}  // namespace platform
