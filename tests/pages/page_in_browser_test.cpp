// The generated page as a visitor's browser gets it from a web server that
// carries the script libraries at the page's library paths.
#include <gtest/gtest.h>

#include <filesystem>

#include "htmout/index_page.h"
#include "page_fixture.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "png_maker.h"
#include "support/sandbox.h"
#include "transport/post_files_servers.h"

namespace {

std::string ChromiumPath() {
  // The Debian wrapper script only adds flags; the binary is started directly.
  return std::filesystem::exists("/usr/lib/chromium/chromium") ? "/usr/lib/chromium/chromium"
                                                                 : "/usr/bin/chromium";
}

// A site root with the libraries, an icon for the link block, and the upload
// folder holding three images, two pages and a text file.
std::string MakeSite(const std::string& libraries) {
  const std::string site = sandbox::Path("site");
  std::filesystem::create_directories(site);
  std::filesystem::create_directory_symlink(libraries + "/site/_lib", site + "/_lib");
  sandbox::WriteFile(site + "/favicon.ico", MakePng(16, 16, 40, 90, 200));
  const std::string folder = site + "/z_Suite/upload/share/data/job";
  sandbox::WriteFile(folder + "/red.png", MakePng(120, 80, 220, 40, 40));
  sandbox::WriteFile(folder + "/green.png", MakePng(120, 80, 40, 180, 60));
  sandbox::WriteFile(folder + "/blue.png", MakePng(120, 80, 40, 60, 220));
  sandbox::WriteFile(folder + "/about.html", "<!DOCTYPE html><title>about</title>");
  sandbox::WriteFile(folder + "/old.htm", "<!DOCTYPE html><title>old</title>");
  sandbox::WriteFile(folder + "/notes.txt", "notes");
  return folder;
}

}  // namespace

TEST(PageInBrowser, SlideShowImagesAndLinksWork) {
  const std::string build = WXPUB_BINARY_DIR;
  const std::string libraries = build + "/page-libs";
  const std::string fetchLog = sandbox::Path("page_libs.log");
  ASSERT_EQ(testserver::RunCommand({WXPUB_SOURCE_DIR "/tools/page_libs.sh", libraries}, fetchLog), 0)
      << sandbox::ReadFile(fetchLog);

  const std::string folder = MakeSite(libraries);
  CreateFolder(GetSettingsFolder());  // the link block with the site icon is made there
  const testserver::PhpServer server(sandbox::Path("site"));
  const std::string host = testserver::LocalServer(server.Port());
  page_test::SetPreference("http___2019_10", "http:");
  page_test::SetPreference("server_2019_10", "//" + host);
  ASSERT_TRUE(HT_Make_index(folder, "index.htm"));

  const std::string checkLog = sandbox::Path("browser_check.log");
  EXPECT_EQ(testserver::RunCommand({"node", WXPUB_SOURCE_DIR "/tests/pages/browser_check.js",
                                    libraries + "/node_modules/playwright-core", ChromiumPath(),
                                    "http://" + host + "/z_Suite/upload/share/data/job/index.htm",
                                    build + "/page-in-browser.png", sandbox::Path("chromium-profile")},
                                   checkLog),
            0)
      << sandbox::ReadFile(checkLog) << sandbox::ReadFile(sandbox::Path("site.log"));
  const std::string output = sandbox::ReadFile(checkLog);
  // Three slides and the site icon; two links per file of the six (the name,
  // and the image link that stays empty without a thumbnail).
  EXPECT_NE(output.find("\"images\":4"), std::string::npos) << output;
  EXPECT_NE(output.find("\"links\":12"), std::string::npos) << output;
}
