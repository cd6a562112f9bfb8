// The generated page as a visitor's browser gets it from a web server that
// carries the script libraries at the page's library paths.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/file_operations.h"
#include "platform/folders.h"
#include "publish/page_file.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/upload_servers.h"

namespace {

// A 16 x 16 blue PNG picture.
const std::string kPng(
    "\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x00\x10\x00\x00\x00\x10\x08\x02\x00\x00\x00\x90\x91\x68\x36\x00"
    "\x00\x00\x16IDAT\x78\xda\x63\xd0\xb0\xb9\x43\x12\x62\x18\xd5\x30\xaa\x61\xf8\x6a\x00\x00\x6b\xb7\x40\x10\xec\x98"
    "\xee\x53\x00\x00\x00\x00IEND\xae\x42\x60\x82",
    79);

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
  sandbox::WriteFile(site + "/favicon.ico", kPng);
  const std::string folder = site + "/z_Suite/upload/share/data/job";
  for (const char* name : {"/a.png", "/b.png", "/c.png"}) sandbox::WriteFile(folder + name, kPng);
  sandbox::WriteFile(folder + "/about.html", "<!DOCTYPE html><title>about</title>");
  sandbox::WriteFile(folder + "/old.htm", "<!DOCTYPE html><title>old</title>");
  sandbox::WriteFile(folder + "/notes.txt", "notes");
  return folder;
}

const std::string kLibraries = WXPUB_BINARY_DIR "/page-libs";

// Runs browser_check.js on the page (its screenshot is <name>.png in the build
// folder) and returns its output; serverLog explains a failure.
std::string CheckInBrowser(const std::string& address, const std::string& name, const std::string& serverLog) {
  const std::string log = sandbox::Path(name + ".log");
  EXPECT_EQ(testserver::RunCommand({"node", WXPUB_SOURCE_DIR "/tests/html/browser_check.js",
                                    kLibraries + "/node_modules/playwright-core", ChromiumPath(), address,
                                    WXPUB_BINARY_DIR "/" + name + ".png", sandbox::Path(name + "-profile")},
                                   log),
            0)
      << sandbox::ReadFile(log) << sandbox::ReadFile(serverLog);
  return sandbox::ReadFile(log);
}

// Waits for the server of `tools/run.sh --serve-only` (the first run fetches the libraries).
bool RunServerStarted(testserver::ChildProcess& serve, const std::string& log) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(4);
  while (serve.Running() && std::chrono::steady_clock::now() < deadline) {
    if (sandbox::ReadFile(log).find("Pages land in:") != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

std::string LastLine(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text.substr(text.rfind('\n') + 1);
}

}  // namespace

TEST(PageInBrowser, SlideShowImagesAndLinksWork) {
  const std::string fetchLog = sandbox::Path("page_libs.log");
  ASSERT_EQ(testserver::RunCommand({WXPUB_SOURCE_DIR "/tools/page_libs.sh", kLibraries}, fetchLog), 0)
      << sandbox::ReadFile(fetchLog);

  const std::string folder = MakeSite(kLibraries);
  platform::CreateFolder(platform::GetSettingsFolder());  // the link block with the site icon is made there
  const testserver::PhpServer server(sandbox::Path("site"));
  const std::string host = testserver::LocalServer(server.Port());
  page_test::SetPreference("http___2019_10", "http:");
  page_test::SetPreference("server_2019_10", "//" + host);
  ASSERT_TRUE(publish::WriteIndexPage(folder, "index.htm", {}));

  const std::string output = CheckInBrowser("http://" + host + "/z_Suite/upload/share/data/job/index.htm",
                                           "page-in-browser", sandbox::Path("site.log"));
  // Three slides and the site icon; two links per file of the six (the name,
  // and the image link that stays empty without a thumbnail).
  EXPECT_NE(output.find("\"images\":4"), std::string::npos) << output;
  EXPECT_NE(output.find("\"links\":12"), std::string::npos) << output;
  EXPECT_NE(output.find("\"slides\":3"), std::string::npos) << output;
}

// The page the run command shows: published with its sandbox settings to its
// server, which carries the libraries and is the page's library address.
TEST(PageInBrowser, RunCommandSetupStartsTheSlideShow) {
  const std::string runSandbox = sandbox::Path("run-sandbox");
  const ScopedEnv where("WXPUB_RUN_SANDBOX", runSandbox);
  const ScopedEnv build("WXPUB_BUILD_DIR", std::string(WXPUB_BINARY_DIR));
  const std::string serveLog = sandbox::Path("run-serve.log");
  testserver::ChildProcess serve({WXPUB_SOURCE_DIR "/tools/run.sh", "--serve-only"}, serveLog);
  ASSERT_TRUE(RunServerStarted(serve, serveLog)) << sandbox::ReadFile(serveLog);

  std::vector<std::string> upload = {"bash", "-c", ". \"$0\" && exec \"$@\"", runSandbox + "/env.sh", WXPUB_APP,
                                     "--upload"};
  for (const char* name : {"a.png", "b.png", "c.png"}) {
    upload.push_back(sandbox::Path(std::string("photos/") + name));
    sandbox::WriteFile(upload.back(), kPng);
  }
  const std::string uploadLog = sandbox::Path("run-upload.log");
  ASSERT_EQ(testserver::RunCommand(upload, uploadLog), 0) << sandbox::ReadFile(uploadLog);

  const std::string output =
      CheckInBrowser(LastLine(sandbox::ReadFile(uploadLog)), "page-in-browser-run", runSandbox + "/server.log");
  EXPECT_NE(output.find("\"slides\":3"), std::string::npos) << output;
}
