// Where the program keeps its working files: the family's folders below the
// user's temporary folder and the settings folder shared by the tool family.
// Folders are returned with a trailing '/' unless noted.
#pragma once

#include <string>

#include "platform/text/path_text.h"

namespace suite {

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

}  // namespace suite
