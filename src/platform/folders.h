// Where the program keeps its working files: the temporary folders below the
// system temporary folder and the settings folder shared by the tool family.
// Folders are returned with a trailing '/' unless noted.
#pragma once

#include <string>

#include "platform/path_text.h"

namespace platform {

// Program name: stem of the module file, or of the built-in original file
// name when the program file was copied under another name ("wx_pub").
std::string GetProgramName();

// The user's private temporary folder: <$TMPDIR or /tmp>/<program>-<uid>/,
// mode 0700; <$XDG_CACHE_HOME or ~/.cache>/<program>/ when that one is not private.
std::string GetTempFolder();

// GetTempFolder with the system path given: the rules that follow the system call.
std::string ResolveTempFolder(const std::string& systemPath);

// <temp>/z_Suite.tmp/<program>/, not created.
std::string GetProgramTempFolder();

// GetProgramTempFolder, created; a folder below the common documents when that fails.
std::string GetTempWorkFolder();

// <work>/<%Y%m%d>/, created; the work folder itself when that fails.
std::string GetDatedTempFolder();

// <base>/z_Suite.tmp/<name>, created, no trailing '/'.
std::string MakeSubTempFolder(const std::string& base, const std::string& name);

// <common documents>/Temp/z_Suite, no trailing '/'.
std::string GetSuiteFolder();

// <suite>/_Setting, no trailing '/'.
std::string GetSettingsFolder();

}  // namespace platform
