// Mapping URLs to local copy paths, and downloads into them from a server on
// 127.0.0.1 that the test starts and stops.
#include <gtest/gtest.h>

#include <algorithm>

#include "net/download_cache.h"
#include "net/user_agent.h"
#include "platform/file_status.h"
#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "platform/utf.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"

namespace {

std::string InCache(const std::string& relative) { return net::CacheFolder() + "/" + relative; }

TEST(UrlTail, EveryFormBeginsWithTwoSlashes) {
  EXPECT_EQ(net::UrlTail("https://www.example.com/z_Suite/download/"), "//www.example.com/z_Suite/download/");
  EXPECT_EQ(net::UrlTail("http://host"), "//host");
  EXPECT_EQ(net::UrlTail("//host/page.htm"), "//host/page.htm");
  EXPECT_EQ(net::UrlTail("/host/page.htm"), "//host/page.htm");
  EXPECT_EQ(net::UrlTail("host/page.htm"), "//host/page.htm");
  // Every scheme text goes, also inside a query.
  EXPECT_EQ(net::UrlTail("https://h/go?to=http://x"), "//h/go?to=//x");
}

TEST(CachePath, CacheFolderAndItsEmptyNeighbour) {
  const std::string folder = net::CacheFolder();
  EXPECT_EQ(folder, GetTempFolder() + "z_Suite.tmp/IR_dump");
  EXPECT_TRUE(platform::FolderExists(folder));
  EXPECT_TRUE(platform::FolderExists(GetTempFolder() + "z_Suite.tmp/I_Read"));
  EXPECT_TRUE(platform::ListFolder(GetTempFolder() + "z_Suite.tmp/I_Read").empty());
}

TEST(CachePath, FolderUrlMapsToUnderscorePageInHostChain) {
  const std::string url = "//www.example.com/z_Suite/download/";
  EXPECT_EQ(net::CacheRelativePath(url), "_//www_example_com/z_Suite/download/_.htm");
  const std::string path = net::CachePath(url);
  EXPECT_EQ(path, InCache("_/www_example_com/z_Suite/download/_.htm"));
  EXPECT_TRUE(platform::FolderExists(GetFolderPart(path)));
  // With a scheme and without the trailing slash: the same copy.
  EXPECT_EQ(net::CachePath("https://www.example.com/z_Suite/download"), path);
  EXPECT_EQ(net::CachePath("http://www.example.com/z_Suite/download/"), path);
}

TEST(CachePath, ScriptUrlBecomesFolderOfItsOwn) {
  EXPECT_EQ(net::CacheRelativePath("https://example.com/cgi/run.php"), "_//example_com/cgi/run_php/_.html");
  EXPECT_EQ(net::CacheRelativePath("//example.com"), "_//example_com/_.html");
  EXPECT_EQ(net::CacheRelativePath("//localhost"), "_//localhost/_.htm");
}

TEST(CachePath, QueryMarksBecomeSeparators) {
  // "?", "&" and ":" split folders, "=" becomes "." (and in folder names "_").
  EXPECT_EQ(net::CacheRelativePath("http://example.com:8080/list.php?a=1&b=x:y"),
            "_//example_com/8080/list_php/a_1/b_x/y/_.htm");
  EXPECT_EQ(net::CacheRelativePath("//h/p+q/a=b.css"), "_//h/p/q/a.b.css");
  EXPECT_EQ(net::CacheRelativePath("//h/%7Euser/"), "_//h/7Euser/_.htm");
}

TEST(CachePath, KnownExtensionsKeepTheirName) {
  for (const char* extension : {"htm", "html", "css", "js", "xml", "txt", "svg", "ico", "png", "jpg", "jpeg",
                                "gif", "bmp", "emf", "zip", "msi"}) {
    EXPECT_EQ(net::CacheRelativePath(std::string("//h/d/f.") + extension), std::string("_//h/d/f.") + extension);
  }
  EXPECT_EQ(net::CacheRelativePath("//h/d/F.PNG"), "_//h/d/F.PNG");
  EXPECT_EQ(net::CacheRelativePath("//h/d/f.pdf"), "_//h/d/f_pdf/_.html");
  EXPECT_EQ(net::CacheRelativePath("//h/d/ "), "_//h/d/ /_.htm");
}

TEST(CachePath, ParentFolderNamesCannotLeaveTheCache) {
  for (const char* url : {"//h/../../../etc/passwd.txt", "//h/.../x/", "//../../x.htm", "//h/%2e%2e/x/"}) {
    const std::string path = net::CachePath(url);
    EXPECT_EQ(path.rfind(net::CacheFolder() + "/", 0), 0u) << url;
    EXPECT_EQ(path.find("/../"), std::string::npos) << path;
  }
}

TEST(CachePath, LongPathsAreShortenedKeepingNameAndAddressesApart) {
  const std::string front = "//long.example.com/" + std::string(60, 'a') + "/" + std::string(60, 'b');
  // Longer names leave less room for the front, or none.
  for (const size_t length : {5, 80, 91, 100, 124}) {
    const std::string name = std::string(length - 4, 'n') + ".htm";
    const std::string one = net::CacheRelativePath(front + "/one/" + name);
    EXPECT_NE(one, net::CacheRelativePath(front + "/two/" + name)) << length;
    EXPECT_EQ(GetFileName(one), name);
    EXPECT_LE(Utf8ToUtf16(one).size(), std::max(net::kCachePathLimit, length + 10) + 2) << one;
    // The same address always finds the same copy.
    EXPECT_EQ(net::CacheRelativePath(front + "/one/" + name), one);
  }
  EXPECT_EQ(net::CacheRelativePath(front + "/one/").rfind("_//long_example_com/aaaa", 0), 0u);
  // Japanese names count in UTF-16 units and are never cut inside a character.
  const std::string japanese = net::CacheRelativePath("//h/" + [] {
    std::string text;
    for (int i = 0; i < 80; ++i) text += "日本";
    return text;
  }() + "/page.htm");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(japanese)), japanese);
  EXPECT_LE(Utf8ToUtf16(japanese).size(), net::kCachePathLimit + 2);
}

TEST(CachePath, PathAtTheLimitIsKept) {
  const std::string fits = "//h/" + std::string(100 - 4 - 4, 'f') + ".htm";
  ASSERT_EQ(fits.size(), 100u);
  EXPECT_EQ(net::CacheRelativePath(fits), "_" + fits);
}

class FetchToCache : public ::testing::Test {
 protected:
  std::string Url() const { return "//" + server_.HostPort() + "/z_Suite/download/"; }
  std::string Fetch() { return net::FetchToCache(Url(), trace_.Sink()); }

  ScopedEnv noProxy_{"no_proxy", std::string("*")};
  LocalHttpServer server_;
  TraceRecord trace_;
};

TEST_F(FetchToCache, HttpsRefusedThenHttpBodyStored) {
  server_.SetResponse(200, "<html>page</html>");
  const std::string path = Fetch();
  EXPECT_EQ(path, net::CachePath(Url()));
  EXPECT_EQ(sandbox::ReadFile(path), "<html>page</html>");
  // The TLS attempt is turned away; only the plain GET reached the page.
  const auto requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].rfind("GET /z_Suite/download/ HTTP/1.1\r\n", 0), 0u) << requests[0];
  EXPECT_NE(requests[0].find("User-Agent: " + net::DownloadAgent() + "\r\n"), std::string::npos) << requests[0];
}

TEST_F(FetchToCache, ErrorPageIsStored) {
  server_.SetResponse(404, "<h1>Not Found</h1>");
  EXPECT_EQ(sandbox::ReadFile(Fetch()), "<h1>Not Found</h1>");
}

TEST_F(FetchToCache, SecondFetchKeepsTheFirstUnderNumberedName) {
  server_.SetResponse(200, "one");
  const std::string path = Fetch();
  server_.SetResponse(200, "two");
  EXPECT_EQ(Fetch(), path);
  EXPECT_EQ(sandbox::ReadFile(path), "two");
  EXPECT_EQ(sandbox::ReadFile(GetFolderPart(path) + "/_.000.htm"), "one");
}

TEST_F(FetchToCache, LargeBodyArrivesWhole) {
  std::string body;
  for (int i = 0; body.size() < 200000; ++i) body += "line " + std::to_string(i) + "\r\n";
  server_.SetResponse(200, body);
  EXPECT_EQ(sandbox::ReadFile(Fetch()), body);
}

TEST_F(FetchToCache, EmptyBodyGivesEmptyCopy) {
  server_.SetResponse(200, "");
  const std::string path = Fetch();
  EXPECT_TRUE(platform::FileExists(path));
  EXPECT_FALSE(platform::FileExists(path, true));
}

}  // namespace
