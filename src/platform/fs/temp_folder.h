// The user's private temporary folder and the program name it is named after.
// Folders are returned with a trailing '/' unless noted.
#pragma once

#include <string>

namespace platform {

// Program name: stem of the module file, or of the built-in original file
// name when the program file was copied under another name ("wx_pub").
std::string GetProgramName();

// The user's private temporary folder: <$TMPDIR or /tmp>/<program>-<uid>/,
// mode 0700; <$XDG_CACHE_HOME or ~/.cache>/<program>/ when that one is not private.
std::string GetTempFolder();

// GetTempFolder with the system path given: the rules that follow the system call.
std::string ResolveTempFolder(const std::string& systemPath);

// <common documents>/Temp/Temp, no trailing '/': where temporary files go
// when the system's temporary folder cannot be used.
std::string CommonTempTemp();

}  // namespace platform
