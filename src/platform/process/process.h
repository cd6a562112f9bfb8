// Other programs: found on the search path and started without a shell, so
// that every argument stays one argument whatever it holds.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace platform {

// Full path of the program on the search path ($PATH, searched in-process),
// the name itself when it names an existing file with its folder, else empty.
std::string FindProgram(const std::string& name);

// Starts arguments[0], searched on $PATH when it has no '/'. Standard output
// goes to outputFile (created or emptied) when one is given. 0 with the
// child's id in child, else the error number of the failed start.
int StartProgram(const std::vector<std::string>& arguments, pid_t& child, const std::string& outputFile = "");

// StartProgram, then waits for the program to end; false when it could not be started.
bool RunProgram(const std::vector<std::string>& arguments, const std::string& outputFile);

// Runs the program with input as its standard input and its output streams
// on /dev/null (a tool that stays behind, as a clipboard owner does, then
// holds no pipe of ours); its exit status, -1 when it could not be started
// or did not exit by itself.
int RunWithInput(const std::vector<std::string>& arguments, const std::string& input);

// This process's id, and whether a process of that id still runs.
long CurrentProcessId();
bool ProcessRuns(long id);

}  // namespace platform
