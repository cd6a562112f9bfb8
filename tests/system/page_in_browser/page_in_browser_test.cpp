// The page the program publishes, as a visitor's browser gets it from the
// run command's server, which carries the script libraries at the page's
// library paths, the site icon of the link block and the upload script.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/program_run.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/upload_servers.h"

// Three pictures (the site icon's bytes), two pages and a text file: three
// slides and the icon; two links per file (the name, and the image link that
// stays empty without a thumbnail), every one answered.
TEST(PageInBrowser, SlideShowImagesAndLinksWork) {
  const std::string runSandbox = sandbox::Path("run-sandbox");
  const ScopedEnv where("WXPUB_RUN_SANDBOX", runSandbox);
  const ScopedEnv build("WXPUB_BUILD_DIR", std::string(WXPUB_BINARY_DIR));
  const std::string serveLog = sandbox::Path("serve.log");
  testserver::ChildProcess serve({WXPUB_SOURCE_DIR "/tools/run.sh", "--serve-only"}, serveLog);
  // The first run fetches the libraries.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(4);
  while (serve.Running() && std::chrono::steady_clock::now() < deadline &&
         sandbox::ReadFile(serveLog).find("Pages land in:") == std::string::npos)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_NE(sandbox::ReadFile(serveLog).find("Pages land in:"), std::string::npos) << sandbox::ReadFile(serveLog);

  std::vector<std::string> upload = {"bash", "-c", ". \"$0\" && exec \"$@\"", runSandbox + "/env.sh", WXPUB_APP,
                                     "--upload"};
  const std::string picture = sandbox::ReadFile(runSandbox + "/www/favicon.ico");
  for (const std::string name : {"a.png", "b.png", "c.png", "about.html", "old.htm", "notes.txt"}) {
    upload.push_back(sandbox::WriteFile(sandbox::Path("files/" + name), name.ends_with(".png") ? picture : name));
  }
  const std::string uploadLog = sandbox::Path("upload.log");
  ASSERT_EQ(testserver::RunCommand(upload, uploadLog), 0) << sandbox::ReadFile(uploadLog);
  const std::string address = LastLine(sandbox::ReadFile(uploadLog));

  const std::string log = sandbox::Path("browser.log");
  // The Debian wrapper script only adds flags; the binary is started directly.
  const std::string chromium =
      std::filesystem::exists("/usr/lib/chromium/chromium") ? "/usr/lib/chromium/chromium" : "/usr/bin/chromium";
  EXPECT_EQ(testserver::RunCommand({"node", WXPUB_SOURCE_DIR "/tests/system/page_in_browser/browser_check.js",
                                    WXPUB_BINARY_DIR "/page-libs/node_modules/playwright-core", chromium, address,
                                    WXPUB_BINARY_DIR "/page-in-browser.png", sandbox::Path("profile")}, log), 0)
      << sandbox::ReadFile(log) << sandbox::ReadFile(runSandbox + "/server.log");
  for (const char* count : {"\"images\":4", "\"links\":12", "\"slides\":3"})
    EXPECT_NE(sandbox::ReadFile(log).find(count), std::string::npos) << count;
}
