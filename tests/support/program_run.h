// Runs the built wx_pub program the way a script would, without a display.
#pragma once

#include <string>
#include <vector>

#include "support/sandbox.h"

struct ProgramRun {
  int status = -1;   // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

// tmpDir: the run's TMPDIR, made when missing; fileBlocks: the largest file the program may write,
// in 512-byte blocks; launcher: a command line that runs the program ("timeout -s INT 1", say).
// The last line of a text, without its line end: where a run prints the page address.
std::string LastLine(const std::string& text);

ProgramRun RunWxPub(const std::vector<std::string>& arguments, const std::string& tmpDir = sandbox::Path("tmp/"),
                    const std::string& fileBlocks = "unlimited", const std::string& launcher = "");
