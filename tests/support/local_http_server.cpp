#include "support/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {

constexpr int kPollMs = 20;
constexpr int kReadTimeoutMs = 2000;
// An endless body ends after this, so a client without limits fails its test
// instead of hanging it.
constexpr auto kStreamCap = std::chrono::seconds(5);

bool WaitReadable(int fd, int timeoutMs) {
  pollfd entry{fd, POLLIN, 0};
  return ::poll(&entry, 1, timeoutMs) > 0;
}

// Up to size bytes into buffer; 0 when the peer is gone or silent too long.
size_t Receive(int connection, char* buffer, size_t size) {
  const ssize_t got = WaitReadable(connection, kReadTimeoutMs) ? ::recv(connection, buffer, size, 0) : 0;
  return got > 0 ? static_cast<size_t>(got) : 0;
}

// The request head with the first body bytes after it, or empty when the peer
// sends something other than a GET or POST (a TLS handshake, for example) or
// nothing at all.
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

size_t ContentLength(const std::string& head) {
  const std::string key = "\r\nContent-Length: ";
  const size_t at = head.find(key);
  return at == std::string::npos ? 0 : std::stoul(head.substr(at + key.size()));
}

// Reads and drops the rest of a body, `step` bytes at a time (0: as they come).
bool ReadBody(int connection, size_t left, size_t step, int pauseMs, const std::atomic<bool>& stop) {
  std::vector<char> buffer(step > 0 ? step : 1 << 16);
  while (left > 0 && !stop) {
    const size_t got = Receive(connection, buffer.data(), std::min(left, buffer.size()));
    if (got == 0) return false;
    left -= got;
    std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
  }
  return left == 0;
}

bool SendAll(int connection, const std::string& bytes) {
  for (size_t sent = 0; sent < bytes.size();) {
    const ssize_t done = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (done <= 0) return false;
    sent += static_cast<size_t>(done);
  }
  return true;
}

}  // namespace

LocalHttpServer::LocalHttpServer(Mode mode) {
  socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("no local port");
  }
  port_ = ntohs(address.sin_port);
  // A bound socket that does not listen makes the system refuse every
  // connection; one that listens but never accepts leaves them unanswered.
  if (mode == Mode::kRefuse) return;
  ::listen(socket_, 16);
  if (mode == Mode::kAnswer) thread_ = std::thread(&LocalHttpServer::Serve, this);
}

LocalHttpServer::~LocalHttpServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  ::close(socket_);
}

std::string LocalHttpServer::HostPort() const { return "127.0.0.1:" + std::to_string(port_); }

void LocalHttpServer::SetResponse(int status, const std::string& body, const std::string& headers) {
  std::lock_guard lock(mutex_);
  script_.status = status;
  script_.head = headers;
  script_.body = body;
}

void LocalHttpServer::SetEndlessBody(const std::string& piece, int pauseMs) {
  std::lock_guard lock(mutex_);
  script_.endlessPiece = piece;
  script_.pauseMs = pauseMs;
}

void LocalHttpServer::SetReadPace(size_t bytes, int pauseMs) {
  std::lock_guard lock(mutex_);
  script_.paceBytes = bytes;
  script_.pacePauseMs = pauseMs;
}

std::vector<std::string> LocalHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void LocalHttpServer::Serve() {
  while (!stop_) {
    if (!WaitReadable(socket_, kPollMs)) continue;
    const int connection = ::accept(socket_, nullptr, nullptr);
    if (connection < 0) continue;
    Answer(connection);
    ::close(connection);
  }
}

void LocalHttpServer::Answer(int connection) {
  const std::string start = ReadRequestStart(connection);
  if (start.empty()) return;
  const size_t bodyStart = start.find("\r\n\r\n") + 4;
  const std::string head = start.substr(0, bodyStart - 4);
  Script script;
  {
    std::lock_guard lock(mutex_);
    if (script_.status == 0) return;
    requests_.push_back(head);
    script = script_;
  }
  const bool endless = !script.endlessPiece.empty();
  std::string response =
      "HTTP/1.1 " + std::to_string(script.status) + " Status\r\nContent-Type: text/html\r\n" + script.head;
  if (!endless) response += "Content-Length: " + std::to_string(script.body.size()) + "\r\n";
  response += "Connection: close\r\n\r\n" + (endless ? "" : script.body);
  const size_t length = ContentLength(head);
  const size_t left = length - std::min(length, start.size() - bodyStart);
  if (!ReadBody(connection, left, script.paceBytes, script.pacePauseMs, stop_)) return;
  if (!SendAll(connection, response)) return;
  const auto end = std::chrono::steady_clock::now() + kStreamCap;
  while (endless && !stop_ && std::chrono::steady_clock::now() < end && SendAll(connection, script.endlessPiece)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(script.pauseMs));
  }
}
