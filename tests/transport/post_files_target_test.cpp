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
  EXPECT_EQ(SplitServer("h:8080x").port, 8080);
  EXPECT_EQ(SplitServer("h:abc").port, 0);
  EXPECT_EQ(SplitServer("h:").port, 0);
  EXPECT_EQ(SplitServer("h:8081:9090").port, 8081);
  EXPECT_EQ(SplitServer("h:65537").port, 1);
  EXPECT_EQ(SplitServer("h:99999999999999999999").port, 65535);
  EXPECT_EQ(SplitServer("h:8081:9090").host, "h");
}

TEST(PostFilesTarget, ThirdAttemptDropsThePort) {
  const auto withPort = UploadAttempts("https", "example.org:8080");
  EXPECT_EQ(withPort[0].scheme, "https");
  EXPECT_EQ(withPort[0].server, "example.org:8080");
  EXPECT_EQ(withPort[1].scheme, "http");
  EXPECT_EQ(withPort[1].server, "example.org:8080");
  EXPECT_EQ(withPort[2].scheme, "http");
  EXPECT_EQ(withPort[2].server, "example.org");

  const auto withoutPort = UploadAttempts("", "example.org");
  EXPECT_EQ(withoutPort[0].scheme, "");
  EXPECT_EQ(withoutPort[2].server, withoutPort[1].server);
  EXPECT_EQ(TargetBaseUrl(ResolveUploadTarget(withPort[2].scheme, withPort[2].server)), "http://example.org:80/");
}

}  // namespace
