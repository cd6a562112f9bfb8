#include "suite/window_program.h"

#include "platform/system/system_places.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace suite {
namespace {

// The build tree lays the programs out as an installation does, so one path
// relative to this program's folder finds the window in both; the package's
// place serves a copy of this program that stands elsewhere.
std::vector<std::string> WindowProgramPlaces() {
  std::error_code error;
  const std::filesystem::path own = std::filesystem::read_symlink("/proc/self/exe", error);
  std::vector<std::string> places;
  if (!error) places.push_back((own.parent_path() / WXPUB_WINDOW_FROM_PROGRAM).lexically_normal().string());
  if (places.empty() || places.front() != WXPUB_WINDOW_INSTALLED) places.push_back(WXPUB_WINDOW_INSTALLED);
  return places;
}

}  // namespace

std::string ExecWindowProgram(char** argv) {
  const std::vector<std::string> places = WindowProgramPlaces();
  // Pages, agent strings and the debug log name the program the person started.
  ::setenv(platform::kStartedAsVariable, platform::ProgramPath().c_str(), 1);
  for (const std::string& place : places) {
    if (::access(place.c_str(), X_OK) != 0) continue;
    ::execv(place.c_str(), argv);
    return "can't start the window program " + place + ": " + std::strerror(errno);
  }
  std::string tried;
  for (const std::string& place : places) tried += (tried.empty() ? "" : ", ") + place;
  return "can't find the window program (looked for " + tried + ")";
}

}  // namespace suite
