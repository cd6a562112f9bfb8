#include "update/page_diff.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <vector>

#include "platform/version_info.h"

extern char** environ;

namespace update {
namespace {

// Paths go to the program as arguments of their own, never through a command line.
bool RunToFile(const std::vector<std::string>& arguments, const std::string& outputFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return false;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return true;
}

}  // namespace

bool WritePageDifferences(const std::string& oldFile, const std::string& newFile, const std::string& resultFile) {
  const std::string diff = platform::FindProgram("diff");
  return !diff.empty() && RunToFile({diff, oldFile, newFile}, resultFile);
}

}  // namespace update
