#include <gtest/gtest.h>

#include "htmout/index_page.h"
#include "htmout/link_block.h"
#include "page_fixture.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "support/sandbox.h"

using page_test::Count;
using page_test::InOrder;
using page_test::MakeFile;

namespace {

class IndexPage : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateFolder(GetSettingsFolder());
    folder_ = page_test::MakeStagingFolder();
  }

  std::string MakePage(const std::vector<std::string>& names, const std::string& pageName = "index.htm") {
    for (const auto& name : names)
      MakeFile(folder_ + "/" + name);
    EXPECT_TRUE(HT_Make_index(folder_, pageName));
    return sandbox::ReadFile(folder_ + "/" + pageName);
  }

  std::string folder_;
};

}  // namespace

TEST_F(IndexPage, PartsComeInPageOrder) {
  const std::string page = MakePage({"a.png", "b.JPG", "a.html", "b.htm", "note.txt", "sub/x"});
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n<html\tlang=\"ja\"\t>\r\n\t<head\t>\r\n", 0), 0u);
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

TEST_F(IndexPage, WithoutImagesThereIsNoSlideShowButStillAnImageTable) {
  const std::string page = MakePage({"note.txt"});
  EXPECT_EQ(Count(page, "bxslider"), 0u);
  EXPECT_EQ(Count(page, "<script\ttype=\"text/javascript\"\tsrc="), 0u);
  EXPECT_TRUE(InOrder(page, {"<table", "\r\n\r\n\r\n\r\n\r\n</table>", "<hr", "<table", ">note.txt</a>"}));
}

TEST_F(IndexPage, OnlyPagesLeaveOutTheRestTable) {
  const std::string page = MakePage({"b.htm", "a.html"});
  EXPECT_EQ(Count(page, "<table"), 2u);
  EXPECT_TRUE(InOrder(page, {">a.html</a>", ">b.htm</a>"}));
  // Link block, page table and footer each bring one rule.
  EXPECT_EQ(Count(page, "<hr"), 3u);
}

TEST_F(IndexPage, TitleIsThePageNameWithoutExtension) {
  EXPECT_TRUE(InOrder(MakePage({}, "user_index.htm"), {"<title\t>user_index</title>"}));
  EXPECT_TRUE(InOrder(MakePage({}, "plain"), {"<title\t>plain</title>"}));
  EXPECT_TRUE(InOrder(MakePage({}, "a<b>.htm"), {"<title\t>a&lt;b&gt;</title>"}));
  EXPECT_EQ(Count(MakePage({}, "what?.htm"), "<title"), 0u);
}

TEST_F(IndexPage, AMissingLinkFileIsMadeAgain) {
  const std::string linkFile = GetSettingsFolder() + "/main_lnk.htm";
  RemoveFile(linkFile);
  const std::string page = MakePage({});
  EXPECT_EQ(sandbox::ReadFile(linkFile), HT_Make_main_lnk());
  EXPECT_EQ(HT_Make_main_lnk(),
            "<div\tstyle=\"text-align : center ;\tfont-size : 300% ;\"\t>\r\n"
            "\t<a\thref=\"/\"\t><img\tsrc=\"/favicon.ico\"\talt=\"favicon\"\ttitle=\"favicon\"\t/></a>\r\n"
            "\t<a\thref=\"/\"\t><script\ttype=\"text/javascript\"\t>\tdocument.write (location.hostname) ;\t"
            "</script></a>\r\n"
            "\t<hr\t/>\r\n"
            "\t</div>\r\n");
  EXPECT_TRUE(InOrder(page, {"<body\t>\r\n\t\t<div\t><div\tstyle=\"text-align : center ;\tfont-size : 300% ;\""}));
}

TEST_F(IndexPage, TheUsersLinkBlockIsShownUnchanged) {
  MakeFile(GetSettingsFolder() + "/main_lnk.htm", "<nav id=\"site\">&copy; mine</nav>");
  EXPECT_TRUE(InOrder(MakePage({}), {"<div\t><nav id=\"site\">&copy; mine</nav></div>"}));

  const std::string chosen = sandbox::Path("links/other.htm");
  MakeFile(chosen, "<p>other</p>");
  page_test::WriteUploadSettings("path_link_html=" + chosen + "\r\n");
  EXPECT_TRUE(InOrder(MakePage({}), {"<div\t><p>other</p></div>"}));

  page_test::WriteUploadSettings("path_link_html=" + sandbox::Path("links/missing.htm") + "\r\n");
  EXPECT_TRUE(InOrder(MakePage({}), {"<nav id=\"site\">"}));
}

TEST_F(IndexPage, AnEmptySchemeGivesAnAddressCommentWithoutColon) {
  page_test::WriteUploadSettings("open_http=\r\n");
  EXPECT_TRUE(InOrder(MakePage({}), {"<!--\t//localhost/z_Suite/upload/share/data/\t-->"}));
}

TEST_F(IndexPage, AnEarlierPageIsBackedUpBeforeItIsReplaced) {
  MakeFile(folder_ + "/index.htm", "earlier page");
  MakePage({});
  const auto copies = ListFolder(GetRescueFolder(folder_ + "/index.htm", false));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(sandbox::ReadFile(copies[0]), "earlier page");
}

TEST_F(IndexPage, HostileFileNamesStayNames) {
  const std::string page =
      MakePage({"<img src=x onerror=alert(1)>.png", "a\"b.png", "50%.png", "a#1.png", "javascript:x.txt"});
  EXPECT_EQ(Count(page, "<img src=x"), 0u);
  EXPECT_EQ(Count(page, ">&lt;img src=x onerror=alert(1)&gt;.png</a>"), 1u);
  EXPECT_EQ(Count(page, "href=\"&lt;img%20src=x%20onerror=alert(1)&gt;.png\""), 3u);
  EXPECT_EQ(Count(page, "src=\"a&quot;b.png\""), 1u);
  EXPECT_EQ(Count(page, "href=\"50%25.png\""), 3u);
  EXPECT_EQ(Count(page, "href=\"a%231.png\""), 3u);
  EXPECT_EQ(Count(page, "href=\"javascript%3Ax.txt\""), 2u);
}

TEST(IndexPageFailure, AFolderThatCannotBeWrittenReportsFalse) {
  const std::string missing = sandbox::Path("missing/folder");
  EXPECT_FALSE(HT_Make_index(missing, "index.htm"));
  EXPECT_FALSE(FileExists(missing + "/index.htm"));
}
