// A static web server for one test, on 127.0.0.1 and a free port, serving a
// folder; stopped when the object goes.
#pragma once

#include <string>
#include <sys/types.h>

class LocalServer {
 public:
  // Runs "php -S" with the folder as document root; the log goes to logPath.
  LocalServer(const std::string& root, const std::string& logPath);
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  // 0 when the server could not be started.
  int Port() const { return port_; }

 private:
  pid_t Start(const std::string& root, const std::string& logPath, int port);

  pid_t pid_ = -1;
  int port_ = 0;
};
