// Replacing a file's contents so that readers see either the old or the new
// file, never a half-written one.
#pragma once

#include <string>

#include "platform/fs/file_io.h"

namespace platform {

// Writes the bytes into a new file beside the target and renames it over the
// target. A symbolic link is followed, also to a target that does not exist
// yet, and stays a link. Never creates a folder. An existing file keeps its
// permission bits; a read-only one (no write permission for its owner) is
// not replaced.
bool ReplaceFileAtomically(const std::string& path, const Bytes& bytes);

}  // namespace platform
