// A scripted HTTP server on 127.0.0.1 for tests and benchmarks: it answers
// every GET and POST with the response set last, reading request bodies slowly
// when asked, or hangs up; or it refuses connections, or takes them and never
// answers. The system chooses the port, so parallel runs never meet.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/upload_servers.h"

class LocalHttpServer {
 public:
  enum class Mode { kAnswer, kRefuse, kSilent };

  explicit LocalHttpServer(Mode mode = Mode::kAnswer);
  ~LocalHttpServer();

  unsigned Port() const { return port_; }
  std::string HostPort() const { return testserver::LocalServer(port_); }
  // Status 0: every connection is closed without an answer. headers: further
  // "Name: value\r\n" lines of the answer. With paceBytes > 0 a request body
  // is read at most that many bytes at a time, 10 ms apart, before the answer.
  void SetResponse(int status, const std::string& body, const std::string& headers = "", size_t paceBytes = 0);
  // The request heads of the requests answered so far.
  std::vector<std::string> Requests() const;

 private:
  struct Script {
    int status = 200;
    std::string head, body;
    size_t paceBytes = 0;
  };
  void Serve();
  void Answer(int connection);

  uint16_t port_ = 0;
  int socket_ = testserver::BindLocal(port_);
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  Script script_;
  std::vector<std::string> requests_;
};
