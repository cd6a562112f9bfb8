#include "support/upload_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace testserver {
namespace {

constexpr int kStartTries = 5;
constexpr auto kStartWait = std::chrono::seconds(15);

sockaddr_in LocalAddress(uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

bool Accepts(uint16_t port) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = LocalAddress(port);
  const bool connected = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(s);
  return connected;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& logPath) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  if (::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Another test run may take the free port first: then start again on another.
std::unique_ptr<ChildProcess> StartListening(const std::function<std::vector<std::string>(uint16_t)>& argvFor,
                                             const std::string& logPath, uint16_t& port) {
  for (int attempt = 0; attempt < kStartTries; ++attempt) {
    port = FreePort();
    auto process = std::make_unique<ChildProcess>(argvFor(port), logPath);
    const auto deadline = std::chrono::steady_clock::now() + kStartWait;
    while (process->Running() && std::chrono::steady_clock::now() < deadline) {
      if (Accepts(port)) return process;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  throw std::runtime_error("server did not start, see " + logPath);
}

// nginx with folder as its prefix, passing every request to backendPort;
// listenOptions follow the address and port, site holds further directives.
std::unique_ptr<ChildProcess> StartNginx(const std::string& folder, const std::string& listenOptions,
                                         const std::string& site, uint16_t backendPort, uint16_t& port) {
  const std::string nginx = ::access("/usr/sbin/nginx", X_OK) == 0 ? "/usr/sbin/nginx" : "nginx";
  return StartListening(
      [&](uint16_t candidate) {
        std::ofstream config(folder + "/nginx.conf");
        config << "daemon off;\nmaster_process off;\npid " << folder << "/nginx.pid;\nerror_log " << folder
               << "/error.log;\nevents { worker_connections 64; }\nhttp {\n"
               << "  log_format connections '$connection $status';\n  access_log " << folder
               << "/access.log connections;\n  client_max_body_size 64m;\n";
        for (const char* temp : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
          config << "  " << temp << "_temp_path " << folder << "/" << temp << ";\n";
        config << "  server {\n    listen " << LocalServer(candidate) << listenOptions << ";\n" << site
               << "    location / { proxy_pass http://" << LocalServer(backendPort) << "; }\n  }\n}\n";
        return std::vector<std::string>{
            nginx, "-p", folder + "/", "-e", folder + "/error.log", "-c", folder + "/nginx.conf"};
      },
      folder + "/nginx.log", port);
}

}  // namespace

uint16_t FreePort() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = LocalAddress(0);
  socklen_t length = sizeof address;
  ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(s);
  return ntohs(address.sin_port);
}

int RunCommand(const std::vector<std::string>& argv, const std::string& logPath) {
  const pid_t pid = Spawn(argv, logPath);
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& logPath)
    : pid_(Spawn(argv, logPath)) {}

ChildProcess::~ChildProcess() {
  if (!Running()) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
}

bool ChildProcess::Running() {
  if (pid_ < 0) return false;
  if (::waitpid(pid_, nullptr, WNOHANG) == 0) return true;
  pid_ = -1;
  return false;
}

std::string LocalServer(uint16_t port) { return "127.0.0.1:" + std::to_string(port); }

PhpServer::PhpServer(const std::string& docroot) {
  process_ = StartListening(
      [&](uint16_t port) {
        return std::vector<std::string>{"php", "-S", LocalServer(port), "-t", docroot, "-d", "upload_max_filesize=40M",
                                        "-d", "post_max_size=41M", "-d", "display_errors=0"};
      },
      docroot + ".log", port_);
}

bool MakeSelfSignedCertificate(const std::string& folder) {
  return RunCommand(
             {"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days",
              "2", "-subj", "/CN=127.0.0.1", "-keyout", folder + "/key.pem", "-out", folder + "/cert.pem"},
             folder + "/openssl.log") == 0;
}

TlsProxy::TlsProxy(const std::string& folder, uint16_t backendPort) {
  process_ = StartNginx(folder, " ssl",
                        "    ssl_certificate " + folder + "/cert.pem;\n    ssl_certificate_key " + folder +
                            "/key.pem;\n",
                        backendPort, port_);
}

PasswordSite::PasswordSite(const std::string& folder, const std::string& docroot, const std::string& user,
                           const std::string& password)
    : php_(docroot) {
  std::ofstream(folder + "/passwords") << user << ":{PLAIN}" << password << "\n";
  process_ = StartNginx(folder, "", "    auth_basic upload;\n    auth_basic_user_file " + folder + "/passwords;\n",
                        php_.Port(), port_);
}

}  // namespace testserver
