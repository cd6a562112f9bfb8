// Local servers for the upload tests and benchmarks: PHP's built-in server,
// nginx in front of it with a self-signed certificate, nginx with a password
// in front of php-fpm, and a server that takes connections and never answers.
// All listen on 127.0.0.1, on a port that was free, and stop when the object
// goes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace testserver {

uint16_t FreePort();

// Runs argv to its end with output to logPath; the exit status (-1 when it could not start).
int RunCommand(const std::vector<std::string>& argv, const std::string& logPath);

// A process of our own, ended with SIGTERM when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::string& logPath);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  bool Running();

 private:
  pid_t pid_ = -1;
};

// "127.0.0.1:" + port.
std::string LocalServer(uint16_t port);

// php -S with docroot as document root, taking uploads up to 40 MiB.
class PhpServer {
 public:
  explicit PhpServer(const std::string& docroot);
  uint16_t Port() const { return port_; }

 private:
  uint16_t port_ = 0;
  std::unique_ptr<ChildProcess> process_;
};

// Writes cert.pem and key.pem (self-signed, for 127.0.0.1) into folder.
bool MakeSelfSignedCertificate(const std::string& folder);

// nginx serving TLS with folder/cert.pem, passing every request to backendPort.
// Its access log (folder/access.log) holds "<connection number> <status>" per request.
class TlsProxy {
 public:
  TlsProxy(const std::string& folder, uint16_t backendPort);
  uint16_t Port() const { return port_; }
  std::string AccessLog() const;

 private:
  std::string folder_;
  uint16_t port_ = 0;
  std::unique_ptr<ChildProcess> process_;
};

// nginx asking for user and password (auth_basic) in front of php-fpm, serving
// docroot; both keep their files in folder.
class PasswordSite {
 public:
  PasswordSite(const std::string& folder, const std::string& docroot, const std::string& user,
               const std::string& password);
  uint16_t Port() const { return port_; }

 private:
  uint16_t phpPort_ = 0;
  uint16_t port_ = 0;
  std::unique_ptr<ChildProcess> php_;
  std::unique_ptr<ChildProcess> nginx_;
};

// Accepts connections (the system does, through the backlog) and never answers.
class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;
  uint16_t Port() const { return port_; }

 private:
  int socket_ = -1;
  uint16_t port_ = 0;
};

}  // namespace testserver
