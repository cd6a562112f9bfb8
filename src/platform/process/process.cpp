#include "platform/process/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/fs/file_status.h"
#include "platform/text/path_text.h"

extern char** environ;

namespace platform {

namespace {

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsProgramFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::string SearchPath(const std::string& name) {
  const char* searchPath = std::getenv("PATH");
  if (!searchPath) return "";
  for (const std::string& folder : SplitAtAny(searchPath, ":")) {
    // An empty entry stands for the current folder, as for the shell.
    const std::filesystem::path candidate = std::filesystem::absolute(folder.empty() ? "." : folder) / name;
    if (IsProgramFile(candidate)) return candidate.lexically_normal().string();
  }
  return "";
}

}  // namespace

std::string FindProgram(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  if (trimmed.empty()) return "";
  if (trimmed != GetFileName(trimmed)) return FileExists(trimmed) ? trimmed : "";
  return SearchPath(trimmed);
}

namespace {

int Spawn(const std::vector<std::string>& arguments, pid_t& child, posix_spawn_file_actions_t& actions) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const int error = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error;
}

int WaitFor(pid_t child) {
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// The input as an unnamed file read from its start: no pipe to keep fed.
int InputFile(const std::string& input) {
  const int file = ::memfd_create("input", MFD_CLOEXEC);
  if (file < 0) return -1;
  if (::write(file, input.data(), input.size()) != static_cast<ssize_t>(input.size()) || ::lseek(file, 0, SEEK_SET) != 0) {
    ::close(file);
    return -1;
  }
  return file;
}

}  // namespace

int StartProgram(const std::vector<std::string>& arguments, pid_t& child, const std::string& outputFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!outputFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  return Spawn(arguments, child, actions);
}

bool RunProgram(const std::vector<std::string>& arguments, const std::string& outputFile) {
  pid_t child = 0;
  if (StartProgram(arguments, child, outputFile) != 0) return false;
  WaitFor(child);
  return true;
}

int RunWithInput(const std::vector<std::string>& arguments, const std::string& input) {
  const int file = InputFile(input);
  if (file < 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, file, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int error = Spawn(arguments, child, actions);
  ::close(file);
  if (error != 0) return -1;
  const int status = WaitFor(child);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

long CurrentProcessId() { return static_cast<long>(::getpid()); }

// A zombie has ended: only its entry waits for a parent that may never come.
bool ProcessRuns(long id) {
  if (id <= 0) return false;
  std::ifstream stat("/proc/" + std::to_string(id) + "/stat");
  std::string fields;
  if (!std::getline(stat, fields)) return false;
  const size_t nameEnd = fields.rfind(')');
  return nameEnd != std::string::npos && nameEnd + 2 < fields.size() && fields[nameEnd + 2] != 'Z';
}

}  // namespace platform
