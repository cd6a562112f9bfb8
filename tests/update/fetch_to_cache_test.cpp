// Downloads from a server on 127.0.0.1 that the test starts and stops.
#include <gtest/gtest.h>

#include <algorithm>

#include "net/cache_path.h"
#include "net/fetch_to_cache.h"
#include "net/http_get.h"
#include "net/u_agent.h"
#include "platform/clock.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "support/local_http_server.h"
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

TEST(HttpGet, RefusedConnectionLeavesNoFileAndOneTraceLine) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer refusing(LocalHttpServer::Mode::kRefuse);
  const std::string path = sandbox::Path("refused.htm");
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(http_get("http:", "//" + refusing.HostPort() + "/", path));
  const std::string trace = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(trace.rfind("127.0.0.1\t" + std::to_string(refusing.Port()) + "\t", 0), 0u) << trace;
  EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 1);
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

TEST(HttpGet, UnwritableCopyIsNotStored) {
  ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer server;
  server.SetResponse(200, "body");
  SetSleepHook([](unsigned) {});
  const std::string path = sandbox::Path("no/such/folder/page.htm");
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(http_get("http:", "//" + server.HostPort() + "/", path));
  const std::string trace = ::testing::internal::GetCapturedStderr();
  SetSleepHook({});
  EXPECT_FALSE(FileExists(path));
  EXPECT_NE(trace.find("\t" + std::to_string(server.Port()) + "\t"), std::string::npos) << trace;
}

}  // namespace
