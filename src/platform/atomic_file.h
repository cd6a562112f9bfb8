// Replacing a file's contents so that readers see either the old or the new
// file, never a half-written one.
#pragma once

#include <string>

#include "platform/file_services.h"

// Writes the bytes into a new file beside the target and renames it over the
// target (a symbolic link is followed). Never creates a folder. An existing
// file keeps its permission bits.
bool ReplaceFileAtomically(const std::string& path, const Bytes& bytes);
