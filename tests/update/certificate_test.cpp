// HTTPS downloads verify the server's certificate: a self-signed one brings no copy.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "net/http_get.h"
#include "platform/file_services.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

extern char** environ;

namespace {

pid_t Start(std::vector<std::string> arguments, int outputFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (outputFd >= 0) posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

void RunToEnd(const std::vector<std::string>& arguments) {
  const pid_t pid = Start(arguments, -1);
  if (pid > 0) ::waitpid(pid, nullptr, 0);
}

// "openssl s_server" with a fresh self-signed certificate on a port the system picks.
class SelfSignedServer {
 public:
  SelfSignedServer() {
    const std::string key = sandbox::Path("tls/key.pem");
    const std::string certificate = sandbox::Path("tls/cert.pem");
    sandbox::MakeDirs(sandbox::Path("tls"));
    RunToEnd({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", certificate,
              "-days", "1", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return;
    pid_ = Start({"openssl", "s_server", "-accept", "127.0.0.1:0", "-cert", certificate, "-key", key, "-www"},
                 pipeFds[1]);
    ::close(pipeFds[1]);
    FILE* output = ::fdopen(pipeFds[0], "r");
    char line[256];
    while (output && std::fgets(line, sizeof line, output)) {
      unsigned port = 0;
      if (std::sscanf(line, "ACCEPT 127.0.0.1:%u", &port) == 1) {
        port_ = port;
        break;
      }
    }
    output_ = output;
  }
  ~SelfSignedServer() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
    if (output_) std::fclose(output_);
  }
  unsigned Port() const { return port_; }

 private:
  pid_t pid_ = -1;
  unsigned port_ = 0;
  FILE* output_ = nullptr;
};

TEST(HttpGet, SelfSignedCertificateBringsNoCopy) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  SelfSignedServer server;
  ASSERT_NE(server.Port(), 0u);
  const std::string path = sandbox::Path("tls/page.htm");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(http_get("https:", "//127.0.0.1:" + std::to_string(server.Port()) + "/", path));
  const std::string trace = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(FileExists(path));
  EXPECT_NE(trace.find("certificate"), std::string::npos) << trace;
}

}  // namespace
