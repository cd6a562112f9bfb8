#include "local_server.h"

#include <arpa/inet.h>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A port nobody listens on right now; another process may still take it
// before the server binds, so Start is retried with a new one.
int FreePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  socklen_t size = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
    port = ntohs(address.sin_port);
  ::close(fd);
  return port;
}

bool Answers(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(port);
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

bool Exited(pid_t pid) {
  int status = 0;
  return ::waitpid(pid, &status, WNOHANG) == pid;
}

}  // namespace

LocalServer::LocalServer(const std::string& root, const std::string& logPath) {
  for (int attempt = 0; attempt < 5 && pid_ < 0; ++attempt) {
    const int port = FreePort();
    const pid_t pid = Start(root, logPath, port);
    for (int wait = 0; wait < 100 && pid > 0; ++wait) {
      if (Answers(port)) {
        pid_ = pid;
        port_ = port;
        break;
      }
      if (Exited(pid))
        break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (pid_ < 0 && pid > 0) {
      ::kill(pid, SIGTERM);
      ::waitpid(pid, nullptr, 0);
    }
  }
}

LocalServer::~LocalServer() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
}

pid_t LocalServer::Start(const std::string& root, const std::string& logPath, int port) {
  if (port == 0)
    return -1;
  const std::string listen = "127.0.0.1:" + std::to_string(port);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ::dup2(log, STDOUT_FILENO);
    ::dup2(log, STDERR_FILENO);
    ::execlp("php", "php", "-S", listen.c_str(), "-t", root.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return pid;
}
