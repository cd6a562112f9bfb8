// A scripted HTTP server on 127.0.0.1 for tests and benchmarks: it answers
// every GET and POST with the response set last, or streams a body without
// end, or reads request bodies slowly, or hangs up; or it refuses connections,
// or takes them and never answers. The system chooses the port, so parallel
// runs never meet.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LocalHttpServer {
 public:
  enum class Mode { kAnswer, kRefuse, kSilent };

  explicit LocalHttpServer(Mode mode = Mode::kAnswer);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  unsigned Port() const { return port_; }
  // "127.0.0.1:<port>"
  std::string HostPort() const;

  // Status 0: every connection is closed without an answer. headers: further
  // "Name: value\r\n" lines of the answer.
  void SetResponse(int status, const std::string& body, const std::string& headers = "");
  // While set (not empty), the answer has no length and repeats the piece,
  // pausing between pieces, until the client hangs up (at most 5 s).
  void SetEndlessBody(const std::string& piece, int pauseMs);
  // While set (bytes > 0), a request body is read at most this many bytes at
  // a time, pausing between reads, before the answer.
  void SetReadPace(size_t bytes, int pauseMs);
  // The request heads of the requests answered so far.
  std::vector<std::string> Requests() const;

 private:
  struct Script {
    int status = 200;
    std::string head, body, endlessPiece;
    int pauseMs = 0;
    size_t paceBytes = 0;
    int pacePauseMs = 0;
  };
  void Serve();
  void Answer(int connection);

  int socket_ = -1;
  unsigned port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  Script script_;
  std::vector<std::string> requests_;
};
