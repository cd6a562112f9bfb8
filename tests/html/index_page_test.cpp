#include "html/index_page.h"

#include <gtest/gtest.h>

#include <regex>

#include "html/writer.h"
#include "support/page_fixture.h"

using page_test::Count;
using page_test::InOrder;

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
  input.time->tm_year = 126;
  input.time->tm_mon = 11;
  input.time->tm_mday = 6;
  input.time->tm_hour = 19;
  input.time->tm_min = 49;
  input.time->tm_sec = 5;
  return input;
}

std::string Page(const PageInput& input) { return ElementText(BuildIndexPage(input), 0); }

TEST(IndexPage, PartsComeInPageOrder) {
  const std::string page = Page(Input({"a.png", "b.JPG", "a.html", "b.htm", "note.txt", "sub/"}));
  EXPECT_EQ(page.rfind("<html\tlang=\"ja\"\t>\r\n\t<head\t>\r\n", 0), 0u);
  EXPECT_TRUE(page.ends_with("\t</html>\r\n"));
  EXPECT_TRUE(InOrder(page, {"<meta\tcharset=\"UTF-8\"\t/>",
                             "<meta\tname=\"viewport\"\tcontent=\"width=device-width,initial-scale=1.0\"\t/>",
                             "<title\t>index</title>", "jquery.min.js", "$('.bxslider')", "HTML Exporter\t1.02\t",
                             "<!--\thttps://localhost/z_Suite/upload/share/data/\t-->", "<style\t>",
                             "</head>", "<body\t>", "document.write (location.hostname)",
                             "class=\"bxslider\"", "<table", ">a.png</a>", "<hr", "<table", ">a.html</a>",
                             ">b.htm</a>", "<hr", "<table", ">note.txt</a>", "<hr",
                             "<div\tstyle=\"text-align : right ;\"\t>", "<!--\tEH_mark\t-->", "</body>"}));
  // The image table takes every image: no large views remain.
  EXPECT_EQ(Count(page, "class=\"data_3d\""), 0u);
  EXPECT_EQ(Count(page, "<img\tclass=\"slider\""), 2u);
  // A sub-folder is a rest entry, listed by its name.
  EXPECT_EQ(Count(page, "<a\thref=\"sub\"\t>sub</a>"), 1u);
}

TEST(IndexPage, WithoutImagesThereIsNoSlideShowButStillAnImageTable) {
  const std::string page = Page(Input({"note.txt"}));
  EXPECT_EQ(Count(page, "bxslider"), 0u);
  EXPECT_EQ(Count(page, "<script\ttype=\"text/javascript\"\tsrc="), 0u);
  EXPECT_TRUE(InOrder(page, {"<table", "\r\n\r\n\r\n\r\n\r\n</table>", "<hr", "<table", ">note.txt</a>"}));
}

TEST(IndexPage, OnlyPagesLeaveOutTheRestTable) {
  const std::string page = Page(Input({"b.htm", "a.html"}));
  EXPECT_EQ(Count(page, "<table"), 2u);
  EXPECT_TRUE(InOrder(page, {">a.html</a>", ">b.htm</a>"}));
  // Link block, page table and footer each bring one rule.
  EXPECT_EQ(Count(page, "<hr"), 3u);
}

TEST(IndexPage, TitleIsThePageNameWithoutExtension) {
  EXPECT_TRUE(InOrder(Page(Input({}, "user_index.htm")), {"<title\t>user_index</title>"}));
  EXPECT_TRUE(InOrder(Page(Input({}, "plain")), {"<title\t>plain</title>"}));
  EXPECT_TRUE(InOrder(Page(Input({}, "a<b>.htm")), {"<title\t>a&lt;b&gt;</title>"}));
  EXPECT_EQ(Count(Page(Input({}, "what?.htm")), "<title"), 0u);
}

TEST(IndexPage, TheLinkBlockIsShownUnchanged) {
  EXPECT_EQ(DefaultLinkBlock(),
            "<div\tstyle=\"text-align : center ;\tfont-size : 300% ;\"\t>\r\n"
            "\t<a\thref=\"/\"\t><img\tsrc=\"/favicon.ico\"\talt=\"favicon\"\ttitle=\"favicon\"\t/></a>\r\n"
            "\t<a\thref=\"/\"\t><script\ttype=\"text/javascript\"\t>\tdocument.write (location.hostname) ;\t"
            "</script></a>\r\n"
            "\t<hr\t/>\r\n"
            "\t</div>\r\n");
  PageInput input = Input({});
  EXPECT_TRUE(InOrder(Page(input), {"<body\t>\r\n\t\t<div\t><div\tstyle=\"text-align : center ;\tfont-size : 300% ;\""}));
  input.linkBlock = "<nav id=\"site\">&copy; mine</nav>";
  EXPECT_TRUE(InOrder(Page(input), {"<div\t><nav id=\"site\">&copy; mine</nav></div>"}));
}

TEST(IndexPage, HostileFileNamesStayNames) {
  const std::string page =
      Page(Input({"<img src=x onerror=alert(1)>.png", "a\"b.png", "50%.png", "a#1.png", "javascript:x.txt"}));
  EXPECT_EQ(Count(page, "<img src=x"), 0u);
  EXPECT_EQ(Count(page, ">&lt;img src=x onerror=alert(1)&gt;.png</a>"), 1u);
  EXPECT_EQ(Count(page, "href=\"&lt;img%20src=x%20onerror=alert(1)&gt;.png\""), 3u);
  EXPECT_EQ(Count(page, "src=\"a&quot;b.png\""), 1u);
  EXPECT_EQ(Count(page, "href=\"50%25.png\""), 3u);
  EXPECT_EQ(Count(page, "href=\"a%231.png\""), 3u);
  EXPECT_EQ(Count(page, "href=\"javascript%3Ax.txt\""), 2u);
}

TEST(IndexPage, BannerAndFooterTellTheTimeOfWriting) {
  const std::string page = Page(Input({}));
  const std::regex banner(
      "\t<!--\t\r\nHTML Exporter\t1\\.02\t2021/07/07 16:51:38\thtmout\r\n"
      "EXE          \t    \t\\d{4}/\\d{2}/\\d{2} 16:54:33\t/usr/bin/wx_pub\r\n"
      "Time         \t    \t2026/12/06 19:49:05\r\n"
      "[^\r\n]+ \t    \t[^\r\n]+@[^\r\n]+\r\n\t-->\r\n");
  EXPECT_TRUE(std::regex_search(page, banner)) << page;
  EXPECT_TRUE(InOrder(page, {"\t<hr\t/>\r\n\t\t<div\tstyle=\"text-align : right ;\"\t>2026/12/06 19:49:05</div>"}));
}

TEST(IndexPage, StyleSheetWidthsComeFromTheInput) {
  PageInput input = Input({});
  input.slideWidth = "640px";
  input.imageWidths[2].value = "250px";
  const auto rule = [](const std::string& selector, const std::string& lines) {
    return "\t\t\t" + selector + "\t{\r\n" + lines + "\t\t\t\t}\r\n";
  };
  const auto width = [](const std::string& value) { return "\t\t\t\twidth\t\t\t:\t" + value + "\t;\r\n"; };
  EXPECT_TRUE(InOrder(Page(input),
                      {"<style\t>\r\n" +
                       rule("img", "\t\t\t\tborder-width\t:\tthin\t;\r\n\t\t\t\tborder-style\t:\tsolid\t;\r\n") +
                       rule(".slider", width("640px") + "\t\t\t\tborder-style\t:\thidden\t;\r\n") +
                       rule(".n_view", width("600px")) + rule(".data_3d", width("600px")) +
                       rule(".data_br", width("250px")) + rule(".data_ia", width("100px")) +
                       rule(".index", width("200px")) + "</style>"}));
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
