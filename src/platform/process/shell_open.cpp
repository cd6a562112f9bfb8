#include "platform/process/shell_open.h"

#include <sys/wait.h>

#include <cerrno>
#include <vector>

#include "platform/process/process.h"
#include "platform/system/clock.h"

namespace platform {
namespace {

constexpr const char* kOpener = "xdg-open";
// The opener usually returns at once; one that keeps running has found a
// handler, so after this long it counts as success.
constexpr uint64_t kOpenerWaitMs = 5000;
constexpr unsigned kPollMs = 20;

// Openers of this process that may still run; only the window's thread opens pages.
std::vector<pid_t>& UnreapedChildren() {
  static std::vector<pid_t> children;
  return children;
}

void ReapFinishedChildren() {
  auto& children = UnreapedChildren();
  std::erase_if(children, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

ShellResult OpenerExitToResult(int status) {
  if (WIFEXITED(status)) {
    switch (WEXITSTATUS(status)) {
      case 0: return ShellResult::Ok;
      case 2: return ShellResult::FileNotFound;
      case 3: return ShellResult::NoHandler;  // no tool or handler for this kind of target
    }
  }
  return ShellResult::Failed;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

ShellResult ShellOpen(const std::string& target) {
  ReapFinishedChildren();
  pid_t pid = 0;
  const int error = StartProgram({kOpener, target}, pid);
  if (error == ENOENT) return ShellResult::NoHandler;
  if (error != 0) return ShellResult::Failed;
  const uint64_t start = CurrentClock().Ticks();
  while (CurrentClock().Ticks() - start < kOpenerWaitMs) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid) return OpenerExitToResult(status);
    CurrentClock().Sleep(kPollMs);
  }
  UnreapedChildren().push_back(pid);
  return ShellResult::Ok;
}

std::string ShellErrorText(ShellResult result, const std::string& target) {
  std::string message = "Error\n\n" + target;
  if (result == ShellResult::FileNotFound) message = "The specified file was not found.";
  if (result == ShellResult::NoHandler) message = "There is no application associated with the given file name extension.";
  return message + "\nOperation=" + Quoted("open") + "\nFile=" + Quoted("") + "\nParamaters=" + Quoted(target);
}

}  // namespace platform
