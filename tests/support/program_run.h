// Runs the built wx_pub program the way a script would, without a display,
// and other programs; and checks what a run printed.
#pragma once

#include <string>
#include <vector>

#include "support/sandbox.h"

struct ProgramRun {
  int status = -1;   // exit status, -1 when it did not exit normally
  std::string out, err;
};

// Text holds part; an empty part wants an empty text, so that no row checks nothing.
inline bool Says(const std::string& text, const std::string& part) {
  return part.empty() ? text.empty() : text.find(part) != std::string::npos;
}

// The last line of a text, without its line end: where a run prints the page address.
inline std::string LastLine(const std::string& text) {
  const std::string trimmed = text.substr(0, text.find_last_not_of("\r\n") + 1);
  return trimmed.substr(trimmed.rfind('\n') + 1);
}

// tmpDir: the run's TMPDIR, made when missing; fileBlocks: the largest file the program may write,
// in 512-byte blocks; launcher: a command line that runs the program ("timeout -s INT 1", say).
ProgramRun RunWxPub(const std::vector<std::string>& arguments, const std::string& tmpDir = sandbox::Path("tmp/"),
                    const std::string& fileBlocks = "unlimited", const std::string& launcher = "");

// Runs argv to its end; what it wrote to standard output and error.
std::string CommandOutput(const std::vector<std::string>& argv);
