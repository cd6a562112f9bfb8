// Runs the built wx_pub program the way a script would, without a display.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
  int status = -1;   // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

// tmpDir: the run's TMPDIR, made when missing ("" keeps the test's); fileBlocks: the largest file
// the program may write, in 512-byte blocks ("unlimited" when 0).
ProgramRun RunWxPub(const std::vector<std::string>& arguments, const std::string& tmpDir = "", int fileBlocks = 0);

// The last line of a text, without its line end.
std::string LastLine(const std::string& text);
