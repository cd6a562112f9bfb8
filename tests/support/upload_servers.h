// Server programs for the upload tests and benchmarks: PHP's built-in server,
// and nginx in front of it with a self-signed certificate or asking for a
// password. All listen on 127.0.0.1, on a port that was free, and stop when
// the object goes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace testserver {

// A socket bound to a free port of 127.0.0.1, whose number goes to port.
int BindLocal(uint16_t& port);
uint16_t FreePort();
// "127.0.0.1:" + port.
std::string LocalServer(uint16_t port);

// Runs argv to its end with output to logPath; the exit status (-1 when it could not start).
int RunCommand(const std::vector<std::string>& argv, const std::string& logPath);

// A process of our own, ended with SIGTERM when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::string& logPath);
  ~ChildProcess();
  bool Running();

 private:
  pid_t pid_ = -1;
};

// A server program listening on port while the object lives.
struct ServerProcess {
  uint16_t port = 0;
  std::unique_ptr<ChildProcess> process;
};

// php -S with docroot as document root, taking uploads up to 40 MiB; each of
// settings ("key=value") goes to php -d after the defaults, so it may override them.
struct PhpServer : ServerProcess {
  explicit PhpServer(const std::string& docroot, const std::vector<std::string>& settings = {});
};

// nginx serving TLS with a self-signed certificate for 127.0.0.1 that it
// writes into folder, passing every request to backendPort; on port when given.
// Its access log folder/access.log holds "<connection number> <status>" per request.
struct TlsProxy : ServerProcess {
  TlsProxy(const std::string& folder, uint16_t backendPort, uint16_t port = 0);
};

// PHP's server for docroot behind nginx asking for user and password
// (auth_basic); nginx keeps its files in folder.
struct PasswordSite : ServerProcess {
  PasswordSite(const std::string& folder, const std::string& docroot, const std::string& user,
               const std::string& password);
  PhpServer php_;
};

}  // namespace testserver
