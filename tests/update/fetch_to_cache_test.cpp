// Downloads from a server on 127.0.0.1 that the test starts and stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "net/cache_path.h"
#include "net/fetch_to_cache.h"
#include "net/http_get.h"
#include "net/u_agent.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "support/local_http_server.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace {

class FetchToCache : public ::testing::Test {
 protected:
  std::string Url() const { return "//" + server_.HostPort() + "/z_Suite/download/"; }

  ScopedEnv noProxy_{"no_proxy", std::string("*")};
  LocalHttpServer server_;
};

TEST_F(FetchToCache, HttpsRefusedThenHttpBodyStored) {
  server_.SetResponse(200, "<html>page</html>");
  const std::string path = fetch_to_cache(Url());
  EXPECT_EQ(path, cache_path(Url()));
  EXPECT_EQ(sandbox::ReadFile(path), "<html>page</html>");
  // The TLS attempt is turned away; only the plain GET reached the page.
  const auto requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].rfind("GET /z_Suite/download/ HTTP/1.1\r\n", 0), 0u) << requests[0];
  EXPECT_NE(requests[0].find("User-Agent: " + u_agent() + "\r\n"), std::string::npos) << requests[0];
}

TEST_F(FetchToCache, ErrorPageIsStored) {
  server_.SetResponse(404, "<h1>Not Found</h1>");
  EXPECT_EQ(sandbox::ReadFile(fetch_to_cache(Url())), "<h1>Not Found</h1>");
}

TEST_F(FetchToCache, SecondFetchKeepsTheFirstUnderNumberedName) {
  server_.SetResponse(200, "one");
  const std::string path = fetch_to_cache(Url());
  server_.SetResponse(200, "two");
  EXPECT_EQ(fetch_to_cache(Url()), path);
  EXPECT_EQ(sandbox::ReadFile(path), "two");
  EXPECT_EQ(sandbox::ReadFile(GetFolderPart(path) + "/_.000.htm"), "one");
}

TEST_F(FetchToCache, LargeBodyArrivesWhole) {
  std::string body;
  for (int i = 0; body.size() < 200000; ++i) body += "line " + std::to_string(i) + "\r\n";
  server_.SetResponse(200, body);
  EXPECT_EQ(sandbox::ReadFile(fetch_to_cache(Url())), body);
}

TEST_F(FetchToCache, EmptyBodyGivesEmptyCopy) {
  server_.SetResponse(200, "");
  const std::string path = fetch_to_cache(Url());
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(FileExists(path, true));
}

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
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(http_get("http:", "//" + server.HostPort() + "/", path, quick), stored) << c.file;
    const std::string trace = ::testing::internal::GetCapturedStderr();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << c.file;
    EXPECT_EQ(FileExists(path), stored) << c.file;
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
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(http_get("http:", tail, path));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), std::string("Failed AfxParseURL |http:") + tail + "\n");
  }
  EXPECT_FALSE(FileExists(path));
}

}  // namespace
