// The few places the operating system tells the program about. Each is one
// small function so that another platform can swap it.
#pragma once

#include <string>

namespace platform {

// Stands in for GetTempPathW + GetLongPathNameW: $TMPDIR when set and not
// empty, else "/tmp/"; cut at 260 characters.
std::string SystemTempPath();

// Stands in for the common documents folder: $Z_SUITE_COMMON_DOCUMENTS, else the
// user's documents folder. No trailing separator.
std::string CommonDocumentsFolder();

// $XDG_CACHE_HOME, else $HOME/.cache. No trailing separator.
std::string UserCacheFolder();

// Makes the folder (one level, mode 0700) when it is missing; true when it is
// then a real folder, not a link, of the effective user that no one else may enter.
bool MakePrivateFolder(const std::string& path);

// Id of the effective user.
unsigned UserId();

// Set for the window program: the path of the program the person started.
inline constexpr const char* kStartedAsVariable = "WXPUB_STARTED_AS";

// Full path of the program the person started (the running file unless
// kStartedAsVariable names another); empty when unknown. The first call
// gives the notice "::get_arv() ... empty" when the process has no argument list.
std::string ProgramPath();

// Login name of the effective user; empty when unknown.
std::string UserName();

std::string CurrentDirectory();

// Value of an environment variable, empty when unset.
std::string EnvironmentValue(const char* name);

}  // namespace platform
