#include "publish/page_file.h"

#include <gtest/gtest.h>

#include "html/index_page.h"
#include "platform/file_backup.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/folder_walk.h"
#include "platform/folders.h"
#include "support/manual_clock.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

using page_test::InOrder;
using page_test::MakeFile;
using page_test::SetPreference;

namespace publish {
namespace {

class PageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::CreateFolder(platform::GetSettingsFolder());
    folder_ = page_test::MakeStagingFolder();
  }

  std::string MakePage(const std::vector<std::string>& names) {
    for (const auto& name : names) MakeFile(folder_ + "/" + name);
    EXPECT_TRUE(WriteIndexPage(folder_, "index.htm", settings_));
    return sandbox::ReadFile(folder_ + "/index.htm");
  }

  std::string folder_;
  UploadSettings settings_;
};

}  // namespace

TEST_F(PageFile, AMissingLinkFileIsMadeAgain) {
  const std::string linkFile = platform::GetSettingsFolder() + "/main_lnk.htm";
  platform::RemoveFile(linkFile);
  const std::string page = MakePage({});
  EXPECT_EQ(sandbox::ReadFile(linkFile), html::DefaultLinkBlock());
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n<html\tlang=\"ja\"\t>\r\n", 0), 0u);
  EXPECT_TRUE(InOrder(page, {"<body\t>\r\n\t\t<div\t><div\tstyle=\"text-align : center ;\tfont-size : 300% ;\""}));
}

TEST_F(PageFile, TheChosenLinkFileIsShownWhileItExists) {
  MakeFile(platform::GetSettingsFolder() + "/main_lnk.htm", "<nav id=\"site\">&copy; mine</nav>");
  EXPECT_TRUE(InOrder(MakePage({}), {"<div\t><nav id=\"site\">&copy; mine</nav></div>"}));

  const std::string chosen = sandbox::Path("links/other.htm");
  MakeFile(chosen, "<p>other</p>");
  settings_.pathLinkHtml = chosen;
  EXPECT_TRUE(InOrder(MakePage({}), {"<div\t><p>other</p></div>"}));

  settings_.pathLinkHtml = sandbox::Path("links/missing.htm");
  EXPECT_TRUE(InOrder(MakePage({}), {"<nav id=\"site\">"}));
}

TEST_F(PageFile, SettingsReachThePage) {
  EXPECT_TRUE(InOrder(MakePage({"a.png"}), {"src=\"https://localhost/_lib/js/jquery/jquery/1.9.1/jquery.min.js\"",
                                            "<!--\thttps://localhost/z_Suite/upload/share/data/\t-->"}));
  // Scheme and server of the libraries are joined without a separator.
  SetPreference("http___2019_10", "");
  settings_.scheme = "";
  EXPECT_TRUE(InOrder(MakePage({}), {"src=\"//localhost/_lib/js/jquery/jquery/1.9.1/jquery.min.js\"",
                                     "<!--\t//localhost/z_Suite/upload/share/data/\t-->"}));
  SetPreference("http___2019_10", "http:");
  SetPreference("server_2019_10", "//127.0.0.1:8080");
  SetPreference("img_width_slider", "640px");
  SetPreference("img_width_data_br", "250px");
  SetPreference("other_tr_is_Tile", "0");
  SetPreference("other_tr_count", "1");
  EXPECT_TRUE(InOrder(MakePage({}), {"href=\"http://127.0.0.1:8080/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css\"",
                                     ".slider\t{\r\n\t\t\t\twidth\t\t\t:\t640px\t;",
                                     ".data_br\t{\r\n\t\t\t\twidth\t\t\t:\t250px\t;",
                                     "<tr\t><td\tstyle=\"text-align : center ;\"\t> </td>\t<td\t>\t\t<a\thref=\"a.png\""}));
}

TEST_F(PageFile, AnEarlierPageIsBackedUpBeforeItIsReplaced) {
  MakeFile(folder_ + "/index.htm", "earlier page");
  MakePage({});
  const auto copies = platform::ListFolder(platform::GetRescueFolder(folder_ + "/index.htm", false));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(sandbox::ReadFile(copies[0]), "earlier page");
}

TEST(PageFileFailure, AFolderThatCannotBeWrittenReportsFalse) {
  ManualClock clock;  // the open attempts wait without sleeping
  const std::string missing = sandbox::Path("missing/folder");
  EXPECT_FALSE(WriteIndexPage(missing, "index.htm", {}));
  EXPECT_FALSE(platform::FileExists(missing + "/index.htm"));
}

}  // namespace publish
