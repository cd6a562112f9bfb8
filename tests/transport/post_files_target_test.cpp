// Where each of the three attempts for a file goes.
#include <gtest/gtest.h>

#include "upfile/upload_target.h"

namespace {

struct Expected {
  std::string host;
  unsigned port;
  bool secure;
  std::string url;
};

void ExpectTarget(const std::string& scheme, const std::string& server, const Expected& expected) {
  SCOPED_TRACE(scheme + " " + server);
  const UploadTarget target = ResolveUploadTarget(scheme, server);
  EXPECT_EQ(target.host, expected.host);
  EXPECT_EQ(target.port, expected.port);
  EXPECT_EQ(target.secure, expected.secure);
  EXPECT_EQ(TargetBaseUrl(target), expected.url);
}

TEST(PostFilesTarget, SchemeAndPortDecideTlsAndPort) {
  ExpectTarget("https", "example.org", {"example.org", 443, true, "https://example.org:443/"});
  ExpectTarget("http", "example.org", {"example.org", 0, false, "http://example.org:80/"});
  ExpectTarget("", "example.org", {"example.org", 0, false, "http://example.org:80/"});
  // Only the exact lower-case scheme asks for TLS; port 443 always does.
  ExpectTarget("HTTPS", "example.org", {"example.org", 0, false, "http://example.org:80/"});
  ExpectTarget("HTTPS", "example.org:443", {"example.org", 443, true, "https://example.org:443/"});
  ExpectTarget("http", "example.org:443", {"example.org", 443, true, "https://example.org:443/"});
  ExpectTarget("https", "example.org:8080", {"example.org", 8080, true, "https://example.org:8080/"});
  ExpectTarget("http", "example.org:8080", {"example.org", 8080, false, "http://example.org:8080/"});
  ExpectTarget("https", "example.org:0", {"example.org", 443, true, "https://example.org:443/"});
  ExpectTarget("http", "example.org:0", {"example.org", 0, false, "http://example.org:80/"});
}

TEST(PostFilesTarget, PortTextIsReadLikeTheNumberReader) {
  const std::pair<const char*, int> cases[] = {{"h:8080x", 8080}, {"h:abc", 0},     {"h:", 0},
                                               {"h:8081:9090", 8081}, {"h:65537", 1}, {"h:99999999999999999999", 65535}};
  for (const auto& [server, port] : cases)
    EXPECT_EQ(SplitServer(server).port, port) << server;
  EXPECT_EQ(SplitServer("h:8081:9090").host, "h");
}

TEST(PostFilesTarget, ThirdAttemptDropsThePort) {
  const auto attempts = UploadAttempts("https", "example.org:8080");
  const std::pair<const char*, const char*> expected[] = {
      {"https", "example.org:8080"}, {"http", "example.org:8080"}, {"http", "example.org"}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(attempts[i].scheme, expected[i].first) << i;
    EXPECT_EQ(attempts[i].server, expected[i].second) << i;
  }
  const auto withoutPort = UploadAttempts("", "example.org");
  EXPECT_EQ(withoutPort[0].scheme, "");
  EXPECT_EQ(withoutPort[2].server, withoutPort[1].server);
}

}  // namespace
