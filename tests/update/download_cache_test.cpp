// Mapping URLs to local copy paths.
#include "update/download_cache.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

TEST(UrlTail, EveryFormBeginsWithTwoSlashes) {
  for (const auto& [url, tail] : Rows{{"https://h/d/", "//h/d/"}, {"//h/p.htm", "//h/p.htm"}, {"/h/p.htm", "//h/p.htm"},
                                      {"h/p.htm", "//h/p.htm"}, {"https://h/go?to=http://x", "//h/go?to=//x"}}) {
    EXPECT_EQ(update::UrlTail(url), tail) << url;
  }
}

TEST(CachePath, RelativePaths) {
  const std::string a(60, 'a'), front = "//long.example.com/" + a + "/" + std::string(60, 'b');
  const auto n = [](size_t count) { return std::string(count, 'n') + ".htm"; };
  std::string kanji;  // 80 characters of two UTF-16 units each; a cut never leaves half of one
  for (int i = 0; i < 80; ++i) kanji += "𠮷";
  for (const auto& [url, relative] : Rows{
           {"//www.example.com/z_Suite/download/", "_//www_example_com/z_Suite/download/_.htm"},
           {"https://example.com/cgi/run.php", "_//example_com/cgi/run_php/_.html"},
           // "?", "&", ":", "+" and "%" split folders, "=" becomes "." (and in folder names "_").
           {"http://example.com:8080/list.php?a=1&b=x:y", "_//example_com/8080/list_php/a_1/b_x/y/_.htm"},
           {"//h/p+q/a=b.css", "_//h/p/q/a.b.css"}, {"//h/%7Euser/", "_//h/7Euser/_.htm"},
           {"//h/d/F.PNG", "_//h/d/F.PNG"}, {"//h/d/f.msi", "_//h/d/f.msi"}, {"//h/d/ ", "_//h/d/ /_.htm"},
           // No folder can lead out of the cache.
           {"//h/../../../etc/passwd.txt", "_//h/_/_/_/etc/passwd.txt"},
           {"//h/.../x/", "_//h/__/x/_.htm"}, {"//../../x.htm", "_//_/_/x.htm"},
           // Past 100 UTF-16 units the name stays, with as much of the front as
           // fits and a hash of the whole path, never cutting a character.
           {"//h/" + n(92), "_//h/" + n(92)}, {"//h/" + n(93), "_/~5b241e7d/" + n(93)},
           {front + "/one/n.htm", "_//long_example_com/" + a + "/bbbbb~c3476ed3/n.htm"},
           {front + "/two/n.htm", "_//long_example_com/" + a + "/bbbbb~3a2d8d71/n.htm"},
           {front + "/one/" + n(76), "_//long_exa~e595c14d/" + n(76)},
           {front + "/one/" + n(120), "_/~b0060605/" + n(120)},
           {"//hh/" + kanji + "/page.htm", "_//hh/" + kanji.substr(0, 38 * 4) + "~9c235a9f/page.htm"},
           {"//hh/" + std::string(76, 'k') + kanji + "/page.htm",
            "_//hh/" + std::string(76, 'k') + "~69c2251b/page.htm"}}) {
    EXPECT_EQ(update::CacheRelativePath(url), relative) << url;
  }
}

}  // namespace
