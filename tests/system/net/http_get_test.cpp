// One GET into a local file, from servers on 127.0.0.1 that the test starts and stops.
#include "net/http_get.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "platform/fs/file_status.h"
#include "support/local_http_server.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"

namespace net {
namespace {

// A body within the limits is kept; anything that ends the transfer early
// reports failure, keeps no file and writes one trace line naming the server.
TEST(HttpGet, OutcomesAndLimits) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  ManualClock clock;  // the failed opens retry without sleeping
  const DownloadLimits quick{.totalMs = 1000, .maxBytes = 1 << 20};
  using Mode = LocalHttpServer::Mode;
  const struct {
    Mode mode;
    std::string head, body;
    const char* file;
    std::string reason;  // empty: the body is stored
  } cases[] = {
      {Mode::kAnswer, "", std::string(1 << 20, 'b'), "page.htm", ""},
      {Mode::kRefuse, "", "", "refused.htm", "Failed to connect"},
      {Mode::kSilent, "", "", "silent.htm", "Operation timed out"},
      {Mode::kAnswer, "", "body", "no/such/folder/page.htm", "Can't open wb  "},
      {Mode::kAnswer, "", std::string((1 << 20) + 1, 'b'), "large.htm", "Body larger than 1048576 bytes"},
      {Mode::kAnswer, "Location: /again\r\n", "moved", "loop.htm", "Maximum (10) redirects followed"},
  };
  for (const auto& c : cases) {
    LocalHttpServer server(c.mode);
    server.SetResponse(c.head.empty() ? 200 : 302, c.body, c.head);
    const std::string path = sandbox::Path(c.file);
    const auto start = std::chrono::steady_clock::now();
    TraceRecord trace;
    EXPECT_EQ(HttpGet("http:", "//" + server.HostPort() + "/", path, trace.Sink(), quick), c.reason.empty()) << c.file;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.file;
    EXPECT_EQ(sandbox::ReadFile(path), c.reason.empty() ? c.body : "") << c.file;
    EXPECT_EQ(platform::FileExists(path), c.reason.empty()) << c.file;
    const std::string line = "127.0.0.1\t" + std::to_string(server.Port()) + "\t" + c.reason;
    EXPECT_EQ(trace.error.substr(0, line.size()), c.reason.empty() ? "" : line) << trace.error;
    EXPECT_EQ(std::count(trace.error.begin(), trace.error.end(), '\n'), c.reason.empty() ? 0 : 1) << trace.error;
  }
}

}  // namespace
}  // namespace net
