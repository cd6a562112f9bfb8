// Runs the built wx_pub program the way a script would, without a display.
#pragma once

#include <sys/resource.h>

#include <string>
#include <utility>
#include <vector>

struct ProgramRun {
  int status = -1;   // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

using EnvironmentChanges = std::vector<std::pair<std::string, std::string>>;

// fileSizeLimit: the largest file the program may write, in bytes (0: no
// limit); the program meets it with the system's default signal handling.
ProgramRun RunWxPub(const std::vector<std::string>& arguments, const EnvironmentChanges& environment = {},
                    rlim_t fileSizeLimit = 0);

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);
