// Where each of the three attempts for a file goes.
#include "net/upload_target.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace net {
namespace {

struct Expected {
  std::string host;
  unsigned port;
  bool secure;
  std::string url;
};

void ExpectTarget(const std::string& scheme, const std::string& server, const Expected& expected) {
  SCOPED_TRACE(scheme + " " + server);
  const UploadTarget target = ResolveUploadTarget(scheme, server).value();
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

TEST(PostFilesTarget, ServerIsAHostWithAnOptionalPort) {
  const std::tuple<const char*, const char*, int> accepted[] = {{"h:8080", "h", 8080},
                                                                {"my_host-1.example.org", "my_host-1.example.org", 0},
                                                                {"192.0.2.1:65535", "192.0.2.1", 65535},
                                                                {"[::1]:8443", "[::1]", 8443},
                                                                {"[::ffff:192.0.2.1]", "[::ffff:192.0.2.1]", 0}};
  for (const auto& [server, host, port] : accepted) {
    const std::optional<UploadTarget> target = SplitServer(server);
    ASSERT_TRUE(target) << server;
    EXPECT_EQ(target->host, host);
    EXPECT_EQ(target->port, port) << server;
  }
  // User info would be sent as credentials, a path or query would change the target.
  for (const char* server : {"someuser@127.0.0.1:18085", "u:p@h", "h/x", "h?x", "h h", "h:8080x", "h:",
                             "h:65536", "h:8081:9090", "[::1", "[h]", "::1", "ホスト", ""})
    EXPECT_FALSE(SplitServer(server)) << server;
}

TEST(PostFilesTarget, ThirdAttemptDropsThePort) {
  const auto attempts = UploadAttempts("https", "example.org:8080");
  EXPECT_EQ(UploadAttempts("http", "[::1]:8080")[2].server, "[::1]");
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
}  // namespace net
