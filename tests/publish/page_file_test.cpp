#include "publish/page_file.h"

#include <gtest/gtest.h>

#include "html/index_page.h"
#include "platform/file_backup.h"
#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

using page_test::InOrder;
using page_test::MakeFile;
using page_test::SetPreference;

namespace publish {
namespace {

class PageFile : public ::testing::Test {
 protected:
  std::string MakePage() {
    EXPECT_TRUE(WriteIndexPage(folder_, "index.htm", settings_));
    return sandbox::ReadFile(folder_ + "/index.htm");
  }

  std::string folder_ = page_test::MakeStagingFolder();
  UploadSettings settings_;
};

}  // namespace

TEST_F(PageFile, TheLinkFileIsMadeWhenMissingAndTheChosenOneShownWhileItExists) {
  const std::string linkFile = GetSettingsFolder() + "/main_lnk.htm";
  sandbox::MakeDirs(GetSettingsFolder());
  EXPECT_TRUE(InOrder(MakePage(), {"<body\t>\r\n\t\t<div\t><div\tstyle=\"text-align : center ;\tfont-size : 300% ;\""}));
  EXPECT_EQ(sandbox::ReadFile(linkFile), html::DefaultLinkBlock());

  MakeFile(linkFile, "<nav id=\"site\">&copy; mine</nav>");
  EXPECT_TRUE(InOrder(MakePage(), {"<div\t><nav id=\"site\">&copy; mine</nav></div>"}));
  settings_.pathLinkHtml = sandbox::Path("links/other.htm");
  MakeFile(settings_.pathLinkHtml, "<p>other</p>");
  EXPECT_TRUE(InOrder(MakePage(), {"<div\t><p>other</p></div>"}));
  settings_.pathLinkHtml = sandbox::Path("links/missing.htm");
  EXPECT_TRUE(InOrder(MakePage(), {"<div\t><nav id=\"site\">"}));
}

// The library address is checked where the page is served.
TEST_F(PageFile, SettingsAndProfileReachThePage) {
  MakeFile(folder_ + "/a.png");
  settings_.scheme = "";
  SetPreference("img_width_slider", "640px");
  SetPreference("img_width_data_br", "250px");
  SetPreference("other_tr_is_Tile", "0");
  SetPreference("other_tr_count", "1");
  const std::string page = MakePage();
  EXPECT_TRUE(InOrder(page, {"<!--\t//localhost/z_Suite/upload/share/data/\t-->"}));
  EXPECT_TRUE(InOrder(page, {".slider\t{\r\n\t\t\t\twidth\t\t\t:\t640px\t;", ".data_br\t{\r\n\t\t\t\twidth\t\t\t:\t250px\t;",
                             "<tr\t><td\tstyle=\"text-align : center ;\"\t> </td>\t<td\t>\t\t<a\thref=\"a.png\""}));
}

TEST_F(PageFile, AnEarlierPageIsBackedUpBeforeItIsReplaced) {
  MakeFile(folder_ + "/index.htm", "earlier page");
  MakePage();
  const auto copies = platform::ListFolder(platform::GetRescueFolder(folder_ + "/index.htm", false));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(sandbox::ReadFile(copies[0]), "earlier page");
}

}  // namespace publish
