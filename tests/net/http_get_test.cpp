// One GET into a local file, from servers on 127.0.0.1 that the test starts and stops.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "net/http_get.h"
#include "platform/file_status.h"
#include "support/local_http_server.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"

extern char** environ;

namespace {

using namespace net;

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

// A body within the limits is kept; anything that ends the transfer early
// reports failure, keeps no file and writes one trace line naming the server.
TEST(HttpGet, OutcomesAndLimits) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  ManualClock clock;  // the failed opens retry without sleeping
  const DownloadLimits quick{.totalMs = 1000, .maxBytes = 1 << 20};
  const struct {
    LocalHttpServer::Mode mode;
    std::string endlessPiece;
    int pauseMs;
    const char* file;
    const char* reason;  // empty: the body is stored
  } cases[] = {
      {LocalHttpServer::Mode::kAnswer, "", 0, "page.htm", ""},
      {LocalHttpServer::Mode::kRefuse, "", 0, "refused.htm", "Failed to connect"},
      {LocalHttpServer::Mode::kAnswer, "", 0, "no/such/folder/page.htm", "Can't open wb  "},
      {LocalHttpServer::Mode::kAnswer, std::string(65536, 'x'), 1, "endless.htm", "Body larger than 1048576 bytes"},
      {LocalHttpServer::Mode::kAnswer, "drip", 100, "drip.htm", "timed out"},
  };
  for (const auto& c : cases) {
    LocalHttpServer server(c.mode);
    server.SetResponse(200, "body");
    server.SetEndlessBody(c.endlessPiece, c.pauseMs);
    const std::string path = sandbox::Path(c.file);
    const bool stored = *c.reason == '\0';
    const auto start = std::chrono::steady_clock::now();
    TraceRecord record;
    EXPECT_EQ(HttpGet("http:", "//" + server.HostPort() + "/", path, record.Sink(), quick), stored) << c.file;
    const std::string trace = record.error;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.file;
    EXPECT_EQ(platform::FileExists(path), stored) << c.file;
    if (stored) {
      EXPECT_EQ(trace, "");
      continue;
    }
    EXPECT_EQ(trace.rfind("127.0.0.1\t" + std::to_string(server.Port()) + "\t", 0), 0u) << trace;
    EXPECT_NE(trace.find(c.reason), std::string::npos) << trace;
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 1) << trace;
  }
}

TEST(HttpGet, UnparsableUrlReturnsFalse) {
  const std::string path = sandbox::Path("unparsable.htm");
  for (const char* tail : {"//", "//a b/"}) {
    TraceRecord trace;
    EXPECT_FALSE(HttpGet("http:", tail, path, trace.Sink()));
    EXPECT_EQ(trace.error, std::string("Failed AfxParseURL |http:") + tail + "\n");
  }
  EXPECT_FALSE(platform::FileExists(path));
}

// HTTPS downloads verify the server's certificate.
TEST(HttpGet, SelfSignedCertificateBringsNoCopy) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  SelfSignedServer server;
  ASSERT_NE(server.Port(), 0u);
  const std::string path = sandbox::Path("tls/page.htm");
  TraceRecord record;
  EXPECT_FALSE(HttpGet("https:", "//127.0.0.1:" + std::to_string(server.Port()) + "/", path, record.Sink()));
  const std::string trace = record.error;
  EXPECT_FALSE(platform::FileExists(path));
  EXPECT_NE(trace.find("certificate"), std::string::npos) << trace;
}

}  // namespace
