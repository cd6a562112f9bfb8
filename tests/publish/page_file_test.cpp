#include "publish/page_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "html/index_page.h"
#include "platform/fs/file_backup.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "platform/fs/temp_folder.h"
#include "suite/folders.h"
#include "suite/profile.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

using page_test::InOrder;
using page_test::MakeFile;

namespace publish {

// What the page file takes from the settings, the profile and the link file;
// the library address is checked where the page is served.
TEST(PageFile, EarlierPageLinkFileSettingsAndProfile) {
  const std::string folder = suite::GetProgramTempFolder() + "20261206/194905";
  ASSERT_TRUE(platform::CreateFolder(folder));
  UploadSettings settings;
  const auto makePage = [&] {
    EXPECT_EQ(WriteIndexPage(folder, "index.htm", settings), "");
    return sandbox::ReadFile(folder + "/index.htm");
  };
  // An earlier page is backed up before it is replaced.
  MakeFile(folder + "/index.htm", "earlier page");
  std::filesystem::create_directories(suite::GetSettingsFolder());
  EXPECT_TRUE(InOrder(makePage(), {"<body\t>\r\n\t\t<div\t><div\tstyle=\"text-align : center ;\tfont-size : 300% ;\""}));
  const std::string rescue = platform::GetTempFolder() + "Rescue" + folder;   // the page's folder below Rescue
  EXPECT_EQ(platform::ListFolder(rescue), std::vector<std::string>{rescue + "/index.000.htm"});
  EXPECT_EQ(sandbox::ReadFile(rescue + "/index.000.htm"), "earlier page");

  // The missing link file was made; the chosen one is shown while it exists.
  const std::string linkFile = suite::GetSettingsFolder() + "/main_lnk.htm";
  EXPECT_EQ(sandbox::ReadFile(linkFile), html::DefaultLinkBlock());
  MakeFile(linkFile, "<nav id=\"site\">&copy; mine</nav>");
  EXPECT_TRUE(InOrder(makePage(), {"<div\t><nav id=\"site\">&copy; mine</nav></div>"}));
  EXPECT_TRUE(platform::FileExists(rescue + "/index.001.htm"));  // the next number
  settings.pathLinkHtml = sandbox::Path("links/other.htm");
  MakeFile(settings.pathLinkHtml, "<p>other</p>");
  EXPECT_TRUE(InOrder(makePage(), {"<div\t><p>other</p></div>"}));
  settings.pathLinkHtml = sandbox::Path("links/missing.htm");
  EXPECT_TRUE(InOrder(makePage(), {"<div\t><nav id=\"site\">"}));

  MakeFile(folder + "/a.png");
  settings.scheme = "";
  suite::Profile profile;
  profile.WriteStr("Preference", "img_width_slider", "640px");
  profile.WriteStr("Preference", "img_width_data_br", "250px");
  profile.WriteStr("Preference", "other_tr_is_Tile", "0");
  profile.WriteStr("Preference", "other_tr_count", "1");
  const std::string page = makePage();
  EXPECT_TRUE(InOrder(page, {"<!--\t//localhost/z_Suite/upload/share/data/\t-->"}));
  EXPECT_TRUE(InOrder(page, {".slider\t{\r\n\t\t\t\twidth\t\t\t:\t640px\t;", ".data_br\t{\r\n\t\t\t\twidth\t\t\t:\t250px\t;",
                             "<tr\t><td\tstyle=\"text-align : center ;\"\t> </td>\t<td\t>\t\t<a\thref=\"a.png\""}));
  // With all thousand numbers taken nothing is copied.
  for (int n = 0; n < 1000; ++n) MakeFile(rescue + "/index." + std::to_string(1000 + n).substr(1) + ".htm");
  EXPECT_EQ(platform::BackupFile(folder + "/index.htm", true), "");
}

}  // namespace publish
