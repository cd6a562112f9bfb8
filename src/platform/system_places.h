// The few places the operating system tells the program about. Each is one
// small function so that another platform can swap it.
#pragma once

#include <string>

// Stands in for GetTempPathW + GetLongPathNameW: $TMPDIR when set and not
// empty, else "/tmp/"; cut at 260 characters.
std::string SystemTempPath();

// Stands in for the common documents folder: $Z_SUITE_COMMON_DOCUMENTS, else the
// user's documents folder. No trailing separator.
std::string CommonDocumentsFolder();

// Full path of the running program file.
std::string ModuleFileName();

// Login name of the effective user; empty when unknown.
std::string LoginName();

std::string CurrentDirectory();

// Value of an environment variable, empty when unset.
std::string EnvironmentValue(const char* name);

// Whether the process was given an argument list (argv[0] at least).
bool HasArgumentList();
