// Mapping URLs to local copy paths.
#include <gtest/gtest.h>

#include <algorithm>

#include "net/cache_path.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "platform/utf.h"

namespace {

std::string InCache(const std::string& relative) { return cache_folder() + "/" + relative; }

TEST(UrlTail, EveryFormBeginsWithTwoSlashes) {
  EXPECT_EQ(url_tail("https://www.example.com/z_Suite/download/"), "//www.example.com/z_Suite/download/");
  EXPECT_EQ(url_tail("http://host"), "//host");
  EXPECT_EQ(url_tail("//host/page.htm"), "//host/page.htm");
  EXPECT_EQ(url_tail("/host/page.htm"), "//host/page.htm");
  EXPECT_EQ(url_tail("host/page.htm"), "//host/page.htm");
  // Every scheme text goes, also inside a query.
  EXPECT_EQ(url_tail("https://h/go?to=http://x"), "//h/go?to=//x");
}

TEST(CachePath, CacheFolderAndItsEmptyNeighbour) {
  const std::string folder = cache_folder();
  EXPECT_EQ(folder, GetTempFolder() + "z_Suite.tmp/IR_dump");
  EXPECT_TRUE(FolderExists(folder));
  EXPECT_TRUE(FolderExists(GetTempFolder() + "z_Suite.tmp/I_Read"));
  EXPECT_TRUE(ListFolder(GetTempFolder() + "z_Suite.tmp/I_Read").empty());
}

TEST(CachePath, FolderUrlMapsToUnderscorePageInHostChain) {
  const std::string url = "//www.example.com/z_Suite/download/";
  EXPECT_EQ(cache_relative_path(url), "_//www_example_com/z_Suite/download/_.htm");
  const std::string path = cache_path(url);
  EXPECT_EQ(path, InCache("_/www_example_com/z_Suite/download/_.htm"));
  EXPECT_TRUE(FolderExists(GetFolderPart(path)));
  // With a scheme and without the trailing slash: the same copy.
  EXPECT_EQ(cache_path("https://www.example.com/z_Suite/download"), path);
  EXPECT_EQ(cache_path("http://www.example.com/z_Suite/download/"), path);
}

TEST(CachePath, ScriptUrlBecomesFolderOfItsOwn) {
  EXPECT_EQ(cache_relative_path("https://example.com/cgi/run.php"), "_//example_com/cgi/run_php/_.html");
  EXPECT_EQ(cache_relative_path("//example.com"), "_//example_com/_.html");
  EXPECT_EQ(cache_relative_path("//localhost"), "_//localhost/_.htm");
}

TEST(CachePath, QueryMarksBecomeSeparators) {
  // "?", "&" and ":" split folders, "=" becomes "." (and in folder names "_").
  EXPECT_EQ(cache_relative_path("http://example.com:8080/list.php?a=1&b=x:y"),
            "_//example_com/8080/list_php/a_1/b_x/y/_.htm");
  EXPECT_EQ(cache_relative_path("//h/p+q/a=b.css"), "_//h/p/q/a.b.css");
  EXPECT_EQ(cache_relative_path("//h/%7Euser/"), "_//h/7Euser/_.htm");
}

TEST(CachePath, KnownExtensionsKeepTheirName) {
  for (const char* extension : {"htm", "html", "css", "js", "xml", "txt", "svg", "ico", "png", "jpg", "jpeg",
                                "gif", "bmp", "emf", "zip", "msi"}) {
    EXPECT_EQ(cache_relative_path(std::string("//h/d/f.") + extension), std::string("_//h/d/f.") + extension);
  }
  EXPECT_EQ(cache_relative_path("//h/d/F.PNG"), "_//h/d/F.PNG");
  EXPECT_EQ(cache_relative_path("//h/d/f.pdf"), "_//h/d/f_pdf/_.html");
  EXPECT_EQ(cache_relative_path("//h/d/ "), "_//h/d/ /_.htm");
}

TEST(CachePath, ParentFolderNamesCannotLeaveTheCache) {
  for (const char* url : {"//h/../../../etc/passwd.txt", "//h/.../x/", "//../../x.htm", "//h/%2e%2e/x/"}) {
    const std::string path = cache_path(url);
    EXPECT_EQ(path.rfind(cache_folder() + "/", 0), 0u) << url;
    EXPECT_EQ(path.find("/../"), std::string::npos) << path;
  }
}

TEST(CachePath, LongPathsAreShortenedKeepingNameAndAddressesApart) {
  const std::string front = "//long.example.com/" + std::string(60, 'a') + "/" + std::string(60, 'b');
  // Longer names leave less room for the front, or none.
  for (const size_t length : {5, 80, 91, 100, 124}) {
    const std::string name = std::string(length - 4, 'n') + ".htm";
    const std::string one = cache_relative_path(front + "/one/" + name);
    EXPECT_NE(one, cache_relative_path(front + "/two/" + name)) << length;
    EXPECT_EQ(GetFileName(one), name);
    EXPECT_LE(Utf8ToUtf16(one).size(), std::max(kCachePathLimit, length + 10) + 2) << one;
    // The same address always finds the same copy.
    EXPECT_EQ(cache_relative_path(front + "/one/" + name), one);
  }
  EXPECT_EQ(cache_relative_path(front + "/one/").rfind("_//long_example_com/aaaa", 0), 0u);
  // Japanese names count in UTF-16 units and are never cut inside a character.
  const std::string japanese = cache_relative_path("//h/" + [] {
    std::string text;
    for (int i = 0; i < 80; ++i) text += "日本";
    return text;
  }() + "/page.htm");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(japanese)), japanese);
  EXPECT_LE(Utf8ToUtf16(japanese).size(), kCachePathLimit + 2);
}

TEST(CachePath, PathAtTheLimitIsKept) {
  const std::string fits = "//h/" + std::string(100 - 4 - 4, 'f') + ".htm";
  ASSERT_EQ(fits.size(), 100u);
  EXPECT_EQ(cache_relative_path(fits), "_" + fits);
}

}  // namespace
