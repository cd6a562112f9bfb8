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

using Paths = std::vector<std::string>;

PageInput Input(const Paths& names, const std::string& pageName = "index.htm") {
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

// The saved page, the build date of the banner (any date) written as YYYY/MM/DD.
std::string SavedPage(const PageInput& input) {
  const std::string path = sandbox::Path(input.pageName);
  EXPECT_TRUE(SavePage(BuildIndexPage(input), path));
  return std::regex_replace(sandbox::ReadFile(path), std::regex("\\d{4}/\\d{2}/\\d{2} 16:54:33"),
                            "YYYY/MM/DD 16:54:33");
}

TEST(IndexPage, ExactBytesOfAPageWithImagesAndOddNames) {
  PageInput input =
      Input({"photo.JPG", "<img src=x onerror=alert(1)>.png", "javascript:R&D 50%#1?\t\x7f \"写真\".txt", "sub/"});
  input.thumbnails["/s/photo.JPG"] = ".//images/photo.JPG.jpg";
  EXPECT_EQ(SavedPage(input),
            "<!DOCTYPE html>\r\n"
            "<html\tlang=\"ja\"\t>\r\n"
            "\t<head\t>\r\n"
            "\t\t<meta\tcharset=\"UTF-8\"\t/>\r\n"
            "\t\t<meta\tname=\"viewport\"\tcontent=\"width=device-width,initial-scale=1.0\"\t/>\r\n"
            "\t\t<title\t>index</title>\r\n"
            "\t\t<script\ttype=\"text/javascript\"\tsrc=\"https://localhost/_lib/js/jquery/jquery/1.9.1/jquery.min.js\"\t>\t</script>\r\n"
            "\t\t<script\ttype=\"text/javascript\"\tsrc=\"https://localhost/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.min.js\"\t>\t</script>\r\n"
            "\t\t<link\trel=\"stylesheet\"\thref=\"https://localhost/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css\"\t/>\r\n"
            "\t\t<script\ttype=\"text/javascript\"\t>\t\r\n"
            "$(document).ready(\tfunction()\t{\t\r\n"
            "\t$('.bxslider').bxSlider(\t{\t\r\n"
            "\t\tmode      \t:\t'fade'  ,\t\r\n"
            "\t\tauto      \t:\ttrue    , \t\r\n"
            "\t\tcaption   \t:\ttrue    ,\t\r\n"
            "\t\tslideWidth\t:\t500     ,\t\r\n"
            "\t//\tcontrols  \t:\tfalse   \t\r\n"
            "\t\t}\t) ;\t\r\n"
            "\t}\t) ;\t\t\r\n"
            "</script>\r\n"
            "\t\t<!--\t\r\n"
            "HTML Exporter\t1.02\t2021/07/07 16:51:38\thtmout\r\n"
            "EXE          \t    \tYYYY/MM/DD 16:54:33\t/usr/bin/wx_pub\r\n"
            "Time         \t    \t2026/12/06 19:49:05\r\n"
            "localhost \t    \twebmaster@localhost\r\n"
            "\t-->\r\n"
            "\t\t<!--\thttps://localhost/z_Suite/upload/share/data/\t-->\r\n"
            "\t\t<style\t>\r\n"
            "\t\t\timg\t{\r\n"
            "\t\t\t\tborder-width\t:\tthin\t;\r\n"
            "\t\t\t\tborder-style\t:\tsolid\t;\r\n"
            "\t\t\t\t}\r\n"
            "\t\t\t.slider\t{\r\n"
            "\t\t\t\twidth\t\t\t:\t100%\t;\r\n"
            "\t\t\t\tborder-style\t:\thidden\t;\r\n"
            "\t\t\t\t}\r\n"
            "\t\t\t.n_view\t{\r\n"
            "\t\t\t\twidth\t\t\t:\t600px\t;\r\n"
            "\t\t\t\t}\r\n"
            "\t\t\t.data_3d\t{\r\n"
            "\t\t\t\twidth\t\t\t:\t600px\t;\r\n"
            "\t\t\t\t}\r\n"
            "\t\t\t.data_br\t{\r\n"
            "\t\t\t\twidth\t\t\t:\t300px\t;\r\n"
            "\t\t\t\t}\r\n"
            "\t\t\t.data_ia\t{\r\n"
            "\t\t\t\twidth\t\t\t:\t100px\t;\r\n"
            "\t\t\t\t}\r\n"
            "\t\t\t.index\t{\r\n"
            "\t\t\t\twidth\t\t\t:\t200px\t;\r\n"
            "\t\t\t\t}\r\n"
            "</style>\r\n"
            "\t\t</head>\r\n"
            "\t<body\t>\r\n"
            "\t\t<div\t><div\tstyle=\"text-align : center ;\tfont-size : 300% ;\"\t>\r\n"
            "\t<a\thref=\"/\"\t><img\tsrc=\"/favicon.ico\"\talt=\"favicon\"\ttitle=\"favicon\"\t/></a>\r\n"
            "\t<a\thref=\"/\"\t><script\ttype=\"text/javascript\"\t>\tdocument.write (location.hostname) ;\t</script></a>\r\n"
            "\t<hr\t/>\r\n"
            "\t</div>\r\n"
            "</div>\r\n"
            "\t\t<div\tclass=\"bxslider\"\t>\r\n"
            "\t\t\t<div\t><a\thref=\"photo.JPG\"\t><img\tclass=\"slider\"\tsrc=\"photo.JPG\"\talt=\"photo.JPG\"\ttitle=\"photo.JPG\"\t/></a></div>\r\n"
            "\t\t\t<div\t><a\thref=\"&lt;img%20src=x%20onerror=alert(1)&gt;.png\"\t><img\tclass=\"slider\"\tsrc=\"&lt;img%20src=x%20onerror=alert(1)&gt;.png\"\talt=\"&lt;img src=x onerror=alert(1)&gt;.png\"\ttitle=\"&lt;img src=x onerror=alert(1)&gt;.png\"\t/></a></div>\r\n"
            "\t\t\t</div>\r\n"
            "\t\t<div\tstyle=\"text-align : center ;\"\t>\r\n"
            "\t\t\t<table\tstyle=\"margin-left : auto ;\tmargin-right : auto ;\"\t>\r\n"
            "<tr\t>\r\n"
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"photo.JPG\"\t>photo.JPG</a>\t<br\t/>\t<a\thref=\"photo.JPG\"\t><img\tclass=\"data_br\"\tsrc=\".//images/photo.JPG.jpg\"\talt=\"photo.JPG\"\ttitle=\"photo.JPG\"\t/></a>\t</td>\r\n"
            "</tr>\r\n"
            "<tr\t>\r\n"
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"&lt;img%20src=x%20onerror=alert(1)&gt;.png\"\t>&lt;img src=x onerror=alert(1)&gt;.png</a>\t<br\t/>\t<a\thref=\"&lt;img%20src=x%20onerror=alert(1)&gt;.png\"\t> </a>\t</td>\r\n"
            "</tr>\r\n"
            "\r\n"
            "\r\n"
            "</table>\r\n"
            "\t\t\t</div>\r\n"
            "\t\t<hr\t/>\r\n"
            "\t\t<div\tstyle=\"text-align : center ;\"\t>\r\n"
            "\t\t\t<table\tstyle=\"margin-left : auto ;\tmargin-right : auto ;\"\t>\r\n"
            "\r\n"
            "<tr\t>\r\n"
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"javascript%3AR&amp;D%2050%25%231%3F%09%7F%20&quot;写真&quot;.txt\"\t>javascript:R&amp;D 50%#1?\t\x7f &quot;写真&quot;.txt</a>\t<br\t/>\t<a\thref=\"javascript%3AR&amp;D%2050%25%231%3F%09%7F%20&quot;写真&quot;.txt\"\t> </a>\t</td>\r\n"
            "<td\tstyle=\"text-align : center ;\"\t>\t\t<a\thref=\"sub\"\t>sub</a>\t<br\t/>\t<a\thref=\"sub\"\t> </a>\t</td>\r\n"
            "</tr>\r\n"
            "\r\n"
            "\r\n"
            "</table>\r\n"
            "\t\t\t</div>\r\n"
            "\t\t<hr\t/>\r\n"
            "\t\t<div\tstyle=\"text-align : right ;\"\t>2026/12/06 19:49:05</div>\r\n"
            "\t\t<!--\tEH_mark\t-->\r\n"
            "\t\t</body>\r\n"
            "\t</html>\r\n");
}

// Without images there is no slide show, but still an (empty) image table.
TEST(IndexPage, TitleIsThePageNameWithoutExtension) {
  for (const auto& [pageName, title] : std::vector<std::pair<std::string, std::string>>{
           {"plain", "<title\t>plain</title>"}, {"a<b>.htm", "<title\t>a&lt;b&gt;</title>"}, {"what?.htm", "<!--"}}) {
    const std::string page = ElementText(BuildIndexPage(Input({"note.txt"}, pageName)), 0);
    EXPECT_TRUE(page_test::InOrder(page, {"<head\t>\r\n\t\t<meta", "/>\r\n\t\t" + title})) << pageName;
    EXPECT_TRUE(page_test::InOrder(page, {"<table", ">\r\n\r\n\r\n\r\n\r\n</table>", "<hr", ">note.txt</a>"}));
    EXPECT_EQ(page.find("bxslider"), std::string::npos);
  }
}

TEST(SortListing, ImagesByExtensionHtmlBeforeHtmWhateverTheListingOrder) {
  const PageLists lists = SortListing({"/f/c.txt", "/f/b.HTM", "/f/x.svg", "/f/xhtml", "/f/a.html", "/f/sub/",
                                       "/f/a.PNG", "/f/b.jpeg", "/f/c.Jpg", "/f/d.bmp", "/f/png", "/f/g.png/"});
  EXPECT_EQ(lists.images, (Paths{"/f/x.svg", "/f/a.PNG", "/f/c.Jpg", "/f/d.bmp"}));
  EXPECT_EQ(lists.html, (Paths{"/f/xhtml", "/f/a.html", "/f/b.HTM"}));
  // "xhtml" has no ".html" ending, so it is also a rest entry.
  EXPECT_EQ(lists.rest, (Paths{"/f/c.txt", "/f/xhtml", "/f/sub/", "/f/b.jpeg", "/f/png", "/f/g.png/"}));
}

}  // namespace
}  // namespace html
