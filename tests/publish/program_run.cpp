#include "program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <sstream>

#include "support/sandbox.h"

namespace {

void LimitFileSize(rlim_t bytes) {
  if (bytes == 0) return;
  const rlimit limit{bytes, bytes};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, SIG_DFL);
}

[[noreturn]] void ExecInChild(const std::vector<std::string>& arguments, const EnvironmentChanges& environment,
                              const std::string& out, const std::string& err, rlim_t fileSizeLimit) {
  for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) ::unsetenv(name);
  ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
  ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
  LimitFileSize(fileSizeLimit);
  std::vector<char*> argv{const_cast<char*>(WXPUB_APP)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(WXPUB_APP, argv.data());
  ::_exit(127);
}

}  // namespace

ProgramRun RunWxPub(const std::vector<std::string>& arguments, const EnvironmentChanges& environment,
                    rlim_t fileSizeLimit) {
  static int runs = 0;
  const std::string base = sandbox::Path("run" + std::to_string(++runs));
  const pid_t pid = ::fork();
  if (pid == 0) ExecInChild(arguments, environment, base + ".out", base + ".err", fileSizeLimit);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ProgramRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = sandbox::ReadFile(base + ".out");
  run.err = sandbox::ReadFile(base + ".err");
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}
