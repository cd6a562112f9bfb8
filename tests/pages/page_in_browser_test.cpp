// The generated page as a visitor's browser gets it from a web server that
// carries the script libraries at the page's library paths.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "htmout/index_page.h"
#include "local_server.h"
#include "page_fixture.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "png_maker.h"
#include "support/sandbox.h"

namespace {

struct CommandResult {
  int status = -1;
  std::string output;
};

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr)
    return result;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
    result.output += buffer.data();
  result.status = ::pclose(pipe);
  return result;
}

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

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
  const CommandResult fetched = RunCommand(std::string(WXPUB_SOURCE_DIR) + "/tools/page_libs.sh " + Quoted(libraries));
  ASSERT_EQ(fetched.status, 0) << fetched.output;

  const std::string folder = MakeSite(libraries);
  CreateFolder(GetSettingsFolder());  // the link block with the site icon is made there
  LocalServer server(sandbox::Path("site"), sandbox::Path("server.log"));
  ASSERT_NE(server.Port(), 0) << "php -S did not start";
  const std::string host = "127.0.0.1:" + std::to_string(server.Port());
  page_test::SetPreference("http___2019_10", "http:");
  page_test::SetPreference("server_2019_10", "//" + host);
  ASSERT_TRUE(HT_Make_index(folder, "index.htm"));

  const CommandResult checked =
      RunCommand("node " + Quoted(std::string(WXPUB_SOURCE_DIR) + "/tests/pages/browser_check.js") + " " +
          Quoted(libraries + "/node_modules/playwright-core") + " " + Quoted(ChromiumPath()) + " " +
          Quoted("http://" + host + "/z_Suite/upload/share/data/job/index.htm") + " " +
          Quoted(build + "/page-in-browser.png") + " " + Quoted(sandbox::Path("chromium-profile")));
  EXPECT_EQ(checked.status, 0) << checked.output << sandbox::ReadFile(sandbox::Path("server.log"));
  // Three slides and the site icon; two links per file of the six (the name,
  // and the image link that stays empty without a thumbnail).
  EXPECT_NE(checked.output.find("\"images\":4"), std::string::npos) << checked.output;
  EXPECT_NE(checked.output.find("\"links\":12"), std::string::npos) << checked.output;
}
