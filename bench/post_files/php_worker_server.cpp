#include "php_worker_server.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace benchworld {
namespace {

testserver::PhpServer StartWithWorkers(const std::string& docroot, int workers) {
  ::setenv("PHP_CLI_SERVER_WORKERS", std::to_string(workers).c_str(), 1);
  testserver::PhpServer php(docroot);
  ::unsetenv("PHP_CLI_SERVER_WORKERS");
  return php;
}

pid_t ParentOf(const std::string& pid) {
  // /proc/PID/stat: pid (name) state ppid ...; the name may hold blanks.
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string line;
  std::getline(stat, line);
  const size_t nameEnd = line.rfind(')');
  if (nameEnd == std::string::npos) return -1;
  char state = 0;
  pid_t parent = -1;
  std::istringstream(line.substr(nameEnd + 1)) >> state >> parent;
  return parent;
}

std::vector<pid_t> ChildrenOf(pid_t parent) {
  std::vector<pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") == std::string::npos && ParentOf(name) == parent)
      children.push_back(std::stoi(name));
  }
  return children;
}

}  // namespace

PhpWorkerServer::PhpWorkerServer(const std::string& docroot, int workers) : php_(StartWithWorkers(docroot, workers)) {
  for (const pid_t child : ChildrenOf(::getpid())) {
    std::string program;
    std::ifstream("/proc/" + std::to_string(child) + "/comm") >> program;
    if (program != "php") continue;
    const std::vector<pid_t> serverWorkers = ChildrenOf(child);
    workers_.insert(workers_.end(), serverWorkers.begin(), serverWorkers.end());
  }
}

PhpWorkerServer::~PhpWorkerServer() {
  php_.process.reset();
  for (const pid_t worker : workers_) ::kill(worker, SIGTERM);
}

}  // namespace benchworld
