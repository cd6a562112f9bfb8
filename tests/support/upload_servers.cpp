#include "support/upload_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
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

std::string ProgramPath(const std::string& name, const std::string& usual) {
  return ::access(usual.c_str(), X_OK) == 0 ? usual : name;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// site: the directives of the one server block besides its listen line.
std::string NginxConfig(const std::string& folder, const std::string& listen, const std::string& site) {
  std::ostringstream config;
  config << "daemon off;\nmaster_process off;\npid " << folder << "/nginx.pid;\nerror_log " << folder
         << "/error.log;\nevents { worker_connections 64; }\nhttp {\n"
         << "  log_format connections '$connection $status';\n"
         << "  access_log " << folder << "/access.log connections;\n";
  for (const char* temp : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
    config << "  " << temp << "_temp_path " << folder << "/" << temp << ";\n";
  config << "  client_max_body_size 64m;\n  server {\n    listen " << listen << ";\n" << site << "  }\n}\n";
  return config.str();
}

// nginx with folder as its prefix; listenOptions follow the address and port.
std::unique_ptr<ChildProcess> StartNginx(const std::string& folder, const std::string& listenOptions,
                                         const std::string& site, uint16_t& port) {
  const std::string nginx = ProgramPath("nginx", "/usr/sbin/nginx");
  return StartListening(
      [&](uint16_t candidate) {
        WriteText(folder + "/nginx.conf", NginxConfig(folder, LocalServer(candidate) + listenOptions, site));
        return std::vector<std::string>{
            nginx, "-p", folder + "/", "-e", folder + "/error.log", "-c", folder + "/nginx.conf"};
      },
      folder + "/nginx.log", port);
}

// Debian names the program after the PHP version (php-fpm8.2).
std::string PhpFpmProgram() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/sbin", ignored))
    if (entry.path().filename().string().rfind("php-fpm", 0) == 0) return entry.path().string();
  return "php-fpm";
}

std::string PhpFpmConfig(const std::string& folder, uint16_t port) {
  const passwd* user = ::getpwuid(::geteuid());
  std::ostringstream config;
  config << "[global]\npid = " << folder << "/php-fpm.pid\nerror_log = " << folder << "/php-fpm.log\n"
         << "daemonize = no\n[site]\nuser = " << (user ? user->pw_name : "nobody") << "\nlisten = " << LocalServer(port)
         << "\npm = static\npm.max_children = 2\n"
         << "php_admin_value[upload_max_filesize] = 40M\nphp_admin_value[post_max_size] = 41M\n"
         << "php_admin_value[upload_tmp_dir] = " << folder << "\nphp_admin_flag[display_errors] = off\n";
  return config.str();
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
        return std::vector<std::string>{"php",
                                        "-S",
                                        LocalServer(port),
                                        "-t",
                                        docroot,
                                        "-d",
                                        "upload_max_filesize=40M",
                                        "-d",
                                        "post_max_size=41M",
                                        "-d",
                                        "display_errors=0"};
      },
      docroot + ".log", port_);
}

bool MakeSelfSignedCertificate(const std::string& folder) {
  return RunCommand(
             {"openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days",
              "2", "-subj", "/CN=127.0.0.1", "-keyout", folder + "/key.pem", "-out", folder + "/cert.pem"},
             folder + "/openssl.log") == 0;
}

TlsProxy::TlsProxy(const std::string& folder, uint16_t backendPort) : folder_(folder) {
  process_ = StartNginx(folder, " ssl",
                        "    ssl_certificate " + folder + "/cert.pem;\n    ssl_certificate_key " + folder +
                            "/key.pem;\n    location / { proxy_pass http://" + LocalServer(backendPort) + "; }\n",
                        port_);
}

std::string TlsProxy::AccessLog() const {
  std::ifstream log(folder_ + "/access.log");
  std::ostringstream text;
  text << log.rdbuf();
  return text.str();
}

PasswordSite::PasswordSite(const std::string& folder, const std::string& docroot, const std::string& user,
                           const std::string& password) {
  // As root php-fpm runs its workers only when allowed to (-R).
  php_ = StartListening(
      [&](uint16_t port) {
        WriteText(folder + "/php-fpm.conf", PhpFpmConfig(folder, port));
        return std::vector<std::string>{PhpFpmProgram(), "-F", "-R", "-y", folder + "/php-fpm.conf"};
      },
      folder + "/php-fpm.out", phpPort_);
  WriteText(folder + "/passwords", user + ":{PLAIN}" + password + "\n");
  nginx_ = StartNginx(folder, "",
                      "    root " + docroot + ";\n    auth_basic upload;\n    auth_basic_user_file " + folder +
                          "/passwords;\n    location ~ \\.php$ {\n      include /etc/nginx/fastcgi.conf;\n"
                          "      fastcgi_pass " +
                          LocalServer(phpPort_) + ";\n    }\n",
                      port_);
}

SilentServer::SilentServer() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
  sockaddr_in address = LocalAddress(0);
  socklen_t length = sizeof address;
  ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::listen(socket_, 16);
  ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
}

SilentServer::~SilentServer() { ::close(socket_); }

}  // namespace testserver
