#include "support/local_http_server.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace {

// Up to size bytes into buffer; 0 when the peer is gone or silent for 2 s.
size_t Receive(int connection, char* buffer, size_t size) {
  const ssize_t got = ::recv(connection, buffer, size, 0);
  return got > 0 ? static_cast<size_t>(got) : 0;
}

// The request head with the first body bytes after it, or empty when the peer
// sends something other than a GET or POST (a TLS handshake, for example) or nothing at all.
std::string ReadRequestStart(int connection) {
  std::string start;
  char buffer[1024];
  while (start.find("\r\n\r\n") == std::string::npos) {
    const size_t got = Receive(connection, buffer, sizeof buffer);
    start.append(buffer, got);
    if (got == 0 || (start.size() >= 4 && !start.starts_with("GET ") && !start.starts_with("POST"))) return "";
  }
  return start;
}

// Reads and drops the rest of a body, `step` bytes at a time (0: as they come).
void ReadBody(int connection, size_t left, size_t step) {
  std::vector<char> buffer(step > 0 ? step : 1 << 16);
  for (size_t got = 1; left > 0 && got > 0; left -= got) {
    got = Receive(connection, buffer.data(), std::min(left, buffer.size()));
    if (step > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

// A bound socket that does not listen makes the system refuse every
// connection; one that listens but never accepts leaves them unanswered.
LocalHttpServer::LocalHttpServer(Mode mode) {
  const timeval pollEvery{0, 20000};  // so that the server sees stop_ soon
  ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &pollEvery, sizeof pollEvery);
  if (mode != Mode::kRefuse) ::listen(socket_, 16);
  if (mode == Mode::kAnswer) thread_ = std::thread(&LocalHttpServer::Serve, this);
}

LocalHttpServer::~LocalHttpServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  ::close(socket_);
}

void LocalHttpServer::SetResponse(int status, const std::string& body, const std::string& headers, size_t paceBytes) {
  std::lock_guard lock(mutex_);
  script_ = {status, headers, body, paceBytes};
}

std::vector<std::string> LocalHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void LocalHttpServer::Serve() {
  while (!stop_) {
    const int connection = ::accept(socket_, nullptr, nullptr);
    if (connection < 0) continue;
    const timeval quiet{2, 0};
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &quiet, sizeof quiet);
    Answer(connection);
    ::close(connection);
  }
}

void LocalHttpServer::Answer(int connection) {
  const std::string start = ReadRequestStart(connection);
  const std::string head = start.substr(0, start.find("\r\n\r\n"));
  Script script;
  {
    std::lock_guard lock(mutex_);
    if (start.empty() || script_.status == 0) return;
    requests_.push_back(head);
    script = script_;
  }
  const size_t at = head.find("\r\nContent-Length: ");
  const size_t length = at == std::string::npos ? 0 : std::stoul(head.substr(at + 18));
  const size_t arrived = start.size() - head.size() - 4;
  ReadBody(connection, length - std::min(length, arrived), script.paceBytes);
  const std::string response = "HTTP/1.1 " + std::to_string(script.status) + " Status\r\nContent-Type: text/html\r\n" +
                               script.head + "Content-Length: " + std::to_string(script.body.size()) +
                               "\r\nConnection: close\r\n\r\n" + script.body;
  ::send(connection, response.data(), response.size(), MSG_NOSIGNAL);
}
