#include "support/upload_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
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

// Another test run may take the free port first: then start again on
// another, unless the port was given.
ServerProcess StartListening(const std::function<std::vector<std::string>(uint16_t)>& argvFor,
                             const std::string& logPath, uint16_t port = 0) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    ServerProcess server{port ? port : FreePort(), nullptr};
    server.process = std::make_unique<ChildProcess>(argvFor(server.port), logPath);
    for (int wait = 0; wait < 750 && server.process->Running(); ++wait) {
      if (Accepts(server.port)) return server;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  throw std::runtime_error("server did not start, see " + logPath);
}

// nginx with folder as its prefix, passing every request to backendPort;
// listenOptions follow the address and port, site holds further directives.
ServerProcess StartNginx(const std::string& folder, const std::string& listenOptions, const std::string& site,
                         uint16_t backendPort, uint16_t port = 0) {
  const std::string nginx = ::access("/usr/sbin/nginx", X_OK) == 0 ? "/usr/sbin/nginx" : "nginx";
  return StartListening(
      [&](uint16_t port) {
        std::ofstream(folder + "/nginx.conf")
            << "daemon off; master_process off; pid nginx.pid; error_log error.log;\nevents {}\nhttp {\n"
            << "  log_format connections '$connection $status'; access_log access.log connections;\n"
            << "  client_max_body_size 64m; client_body_temp_path client_body; proxy_temp_path proxy;\n"
            << "  fastcgi_temp_path fastcgi; uwsgi_temp_path uwsgi; scgi_temp_path scgi;\n"
            << "  server { listen " << LocalServer(port) << listenOptions << "; " << site
            << " location / { proxy_pass http://" << LocalServer(backendPort) << "; } }\n}\n";
        return std::vector<std::string>{nginx, "-p", folder + "/", "-e", "error.log", "-c", "nginx.conf"};
      },
      folder + "/nginx.log", port);
}

}  // namespace

int BindLocal(uint16_t& port) {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = LocalAddress(0);
  socklen_t length = sizeof address;
  ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

uint16_t FreePort() {
  uint16_t port = 0;
  ::close(BindLocal(port));
  return port;
}

std::string LocalServer(uint16_t port) { return "127.0.0.1:" + std::to_string(port); }

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
  if (pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0) return true;
  pid_ = -1;
  return false;
}

PhpServer::PhpServer(const std::string& docroot, const std::vector<std::string>& settings)
    : ServerProcess(StartListening([&](uint16_t port) {
        std::vector<std::string> argv = {"php", "-S", LocalServer(port), "-t", docroot, "-d", "upload_max_filesize=40M",
                                         "-d", "post_max_size=41M", "-d", "display_errors=0"};
        for (const std::string& setting : settings) argv.insert(argv.end(), {"-d", setting});
        return argv;
      }, docroot + ".log")) {}

TlsProxy::TlsProxy(const std::string& folder, uint16_t backendPort, uint16_t port) {
  RunCommand({"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days",
              "2", "-subj", "/CN=127.0.0.1", "-keyout", folder + "/key.pem", "-out", folder + "/cert.pem"},
             folder + "/openssl.log");
  static_cast<ServerProcess&>(*this) =
      StartNginx(folder, " ssl", "ssl_certificate cert.pem; ssl_certificate_key key.pem;", backendPort, port);
}

PasswordSite::PasswordSite(const std::string& folder, const std::string& docroot, const std::string& user,
                           const std::string& password)
    : php_(docroot) {
  std::ofstream(folder + "/passwords") << user << ":{PLAIN}" << password << "\n";
  static_cast<ServerProcess&>(*this) =
      StartNginx(folder, "", "auth_basic upload; auth_basic_user_file passwords;", php_.port);
}

}  // namespace testserver
