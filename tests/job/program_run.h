// Runs the built wx_pub program the way a script would, without a display.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct ProgramRun {
  int status = -1;   // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

using EnvironmentChanges = std::vector<std::pair<std::string, std::string>>;

ProgramRun RunWxPub(const std::vector<std::string>& arguments, const EnvironmentChanges& environment = {});

// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);
