// A tiny HTTP server on 127.0.0.1 for tests and benchmarks: it answers every
// GET and POST with one fixed response, or streams a body without end, or
// reads request bodies slowly, or refuses connections, or accepts them and
// never answers, or hangs up. The port is chosen by the system, so parallel
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

  void SetResponse(int status, const std::string& body);
  // While set (not empty), the answer has no length and repeats the piece,
  // pausing between pieces, until the client hangs up (at most 5 s).
  void SetEndlessBody(const std::string& piece, int pauseMs);
  // While set, every connection is closed without an answer.
  void SetHangUp(bool hangUp);
  // While set (bytes > 0), a request body is read at most this many bytes at
  // a time, pausing between reads, before the answer.
  void SetReadPace(size_t bytes, int pauseMs);
  // The request heads of the requests answered so far.
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int connection);

  Mode mode_;
  int socket_ = -1;
  unsigned port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  int status_ = 200;
  bool hangUp_ = false;
  std::string body_;
  std::string endlessPiece_;
  int pauseMs_ = 0;
  size_t paceBytes_ = 0;
  int pacePauseMs_ = 0;
  std::vector<std::string> requests_;
  std::vector<int> held_;
};
