#include "html/index_page.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <regex>
#include <sstream>

#include "html/writer.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

namespace html {
namespace {

PageInput Input(const std::vector<std::string>& names, const std::string& pageName = "index.htm") {
  PageInput input;
  input.pageName = pageName;
  for (const std::string& name : names) input.listing.push_back("/s/" + name);
  input.browserAddress = "https://localhost/z_Suite/upload/share/data/";
  input.linkBlock = DefaultLinkBlock();
  input.programPath = "/usr/bin/wx_pub";
  input.time = std::tm{};
  std::istringstream("2026/12/06 19:49:05") >> std::get_time(&*input.time, "%Y/%m/%d %H:%M:%S");
  return input;
}

// Images in the slide show and in their table; pages ending in "html", then
// those ending in "htm", and the rest, each in a table of their own; entries
// with a thumbnail first; names that must stay names. The build date of the
// banner (any date) is compared as YYYY/MM/DD.
TEST(IndexPage, ExactBytesOfAPageWithEveryKindOfEntry) {
  PageInput input = Input({"photo.JPG", "<img src=x onerror=alert(1)>.png", "b.HTM", "xhtml", "d.bmp",
                           "javascript:R&D 50%#1?\t\x7f \"写真\".txt", "a.html", "e.svg", "png", "b.jpeg", "sub/",
                           "g.png/"});
  input.thumbnails["/s/photo.JPG"] = ".//images/photo.JPG.jpg";
  input.thumbnails["/s/sub/"] = ".//images/sub.jpg";
  input.thumbnails["/s/<img src=x onerror=alert(1)>.png"] = ".//images/x.png.jpg";
  const std::string path = sandbox::Path(input.pageName);
  ASSERT_TRUE(SavePage(BuildIndexPage(input), path));
  const std::regex buildDate("\\d{4}/\\d{2}/\\d{2} 16:54:33");
  EXPECT_EQ(std::regex_replace(sandbox::ReadFile(path), buildDate, "YYYY/MM/DD 16:54:33"),
            sandbox::ReadFile(WXPUB_SOURCE_DIR "/tests/html/expected_index.htm"));
}

// Without images there is no slide show, but still an (empty) image table;
// the title is the page name's stem, if it has one; no time, no time text.
TEST(IndexPage, BranchesOfHeadAndBody) {
  for (const auto& [pageName, fragments] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"a<b>.htm",
            {"<title\t>a&lt;b&gt;</title>", "Time         \t    \t\r\n", "<body", "<table",
             ">\r\n\r\n\r\n\r\n\r\n</table>", "<hr", ">note.txt</a>", "<div\tstyle=\"text-align : right ;\"\t/>"}},
           {"what?.htm", {"\t\t<meta\tname=\"viewport\"", "/>\r\n\t\t<!--\t\r\nHTML Exporter"}}}) {
    PageInput input = Input({"note.txt"}, pageName);
    input.time.reset();
    const std::string page = ElementText(BuildIndexPage(input), 0);
    EXPECT_TRUE(page_test::InOrder(page, fragments)) << pageName;
    EXPECT_EQ(page.find("bxslider"), std::string::npos);
  }
}

}  // namespace
}  // namespace html
