// Where each of the three attempts for a file goes.
#include "net/upload_target.h"

#include <gtest/gtest.h>

namespace net {

TEST(PostFilesTarget, SchemeAndServerDecideHostPortAndTls) {
  const struct {
    const char *scheme, *server, *host;
    unsigned port;
    const char* url;
  } rows[] = {
      {"https", "example.org", "example.org", 443, "https://example.org:443/"},
      {"", "my_host-1.example.org", "my_host-1.example.org", 0, "http://my_host-1.example.org:80/"},
      // The scheme in any letter case asks for TLS; port 443 always does.
      {"HTTPS", "example.org", "example.org", 443, "https://example.org:443/"},
      {"Https", "example.org:8443", "example.org", 8443, "https://example.org:8443/"},
      {"http", "example.org:443", "example.org", 443, "https://example.org:443/"},
      {"https", "example.org:8080", "example.org", 8080, "https://example.org:8080/"},
      {"https", "example.org:0", "example.org", 443, "https://example.org:443/"},
      {"http", "192.0.2.1:65535", "192.0.2.1", 65535, "http://192.0.2.1:65535/"},
      {"http", "[fe80::a1:AF]:8443", "[fe80::a1:AF]", 8443, "http://[fe80::a1:AF]:8443/"},
      {"http", "[::ffff:192.0.2.1]", "[::ffff:192.0.2.1]", 0, "http://[::ffff:192.0.2.1]:80/"},
  };
  for (const auto& row : rows) {
    const std::optional<UploadTarget> target = ResolveUploadTarget(row.scheme, row.server);
    ASSERT_TRUE(target) << row.server;
    EXPECT_EQ(target->host, row.host);
    EXPECT_EQ(target->port, row.port) << row.scheme << " " << row.server;
    EXPECT_EQ(TargetBaseUrl(*target), row.url);
  }
  // User info would be sent as credentials, a path or query would change the target.
  for (const char* server : {"someuser@127.0.0.1:18085", "u:p@h", "h/x", "h?x", "h h", "h:8080x", "h:",
                             "h:65536", "h:8081:9090", "[::1", "[h]", "[::g]", "::1", "ホスト", ""})
    EXPECT_FALSE(ResolveUploadTarget("http", server)) << server;
}

// What was meant for TLS gets no plain attempt.
TEST(PostFilesTarget, LaterAttemptsArePlainAndTheThirdDropsThePort) {
  for (const auto& [scheme, server, attempts] : std::vector<std::array<std::string, 3>>{
           {"https", "example.org:8080", "https example.org:8080"},
           {"http", "example.org:443", "http example.org:443"},
           {"", "[::1]:8080", " [::1]:8080, http [::1]:8080+, http [::1]+"},
           {"http", "example.org", "http example.org, http example.org+, http example.org+"}}) {
    std::string text;
    for (const UploadAttempt& attempt : UploadAttempts(scheme, server))
      text += (text.empty() ? "" : ", ") + attempt.scheme + " " + attempt.server + (attempt.fallback ? "+" : "");
    EXPECT_EQ(text, attempts);
  }
}

}  // namespace net
