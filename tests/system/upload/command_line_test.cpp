// The built program as a script runs it, and the command line in process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/fs/file_io.h"
#include "platform/system/clock.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"
#include "suite/profile_location.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/page_fixture.h"
#include "support/program_run.h"
#include "support/run_in_process.h"
#include "support/sandbox.h"
#include "support/says.h"
#include "support/scoped_env.h"
#include "support/upload_site.h"

namespace fs = std::filesystem;

namespace {

// What the program answers without a display: status, standard output (for
// "--help" its usage lines and a line per option) and a part of standard error.
TEST(CommandLine, AnswersWithoutADisplay) {
  // Outside a web root a thumbnail sits in "images" beside its file.
  const std::string folder = sandbox::Path("preview");
  page_test::MakeFile(folder + "/a b.png", "png", 1000000000);
  page_test::MakeFile(folder + "/images/a_b.png.jpg", "jpg", 1000000000);
  const std::string usage = "Usage: wx_pub [FILE...]\n       wx_pub --upload [-q] [--copy] [--to DESTINATION] [FILE...]\n"
                            "       wx_pub --page FOLDER [PAGE]\n       wx_pub --settings | --help | --version\n\n";
  const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
      {{"--uplaod", "a.txt"}, 2, "", "'--uplaod'\nTry 'wx_pub --help'"},
      {{"a.txt", "-x"}, 2, "", "wx_pub --help"},
      {{"--upload", "--verbose", "a.txt"}, 2, "", "wx_pub --help"},
      {{"--page"}, 2, "", "wx_pub --help"},
      {{"--page", ".", "sub/page.htm"}, 2, "", "wx_pub --help"},
      {{"--version"}, 0, std::string("wx_pub ") + WXPUB_VERSION + "\n", ""},
      {{"--help"}, 0, usage, ""},
      {{"--page", folder}, 0, folder + "/index.htm\n", ""},
      {{"--page", folder, "preview.html"}, 0, folder + "/preview.html\n", ""},
      {{"--page", sandbox::Path("no_such_folder")}, 1, "", "no such folder: "},
      {{"--page", folder + "/a b.png"}, 1, "", "a b.png' is a file: --page takes the FOLDER"},
      {{"--upload", "--to", "ftp://host/x", folder + "/a b.png"}, 1, "",
       "the destination cannot be used (unknown destination \"ftp://host/x\""},
      {{"--upload", "--to"}, 2, "", "--to needs a DESTINATION"},
  };
  for (const auto& [arguments, status, out, err] : cases) {
    const ProgramRun run = RunWxPub(arguments);
    EXPECT_EQ(run.status, status) << arguments[0] << run.err;
    EXPECT_EQ(arguments[0] == "--help" ? run.out.substr(0, usage.size()) : run.out, out) << arguments[0];
    for (const char* option : {"--upload ", "-q, --quiet ", "--copy ", "--to ", "--page ", "--settings ", "--help ", "--version "}) {
      EXPECT_EQ(run.out.find("\n  " + std::string(option)) != std::string::npos, arguments[0] == "--help") << option;
    }
    EXPECT_TRUE(Says(run.err, err)) << arguments[0] << run.err;
  }
  EXPECT_NE(sandbox::ReadFile(folder + "/preview.html").find("/preview/images/a_b.png.jpg\""), std::string::npos);
}

// Files the program reads for itself that are no regular file or too large
// end the run at once: settings and profile count as missing, the link markup
// stops the page with a message naming it.
TEST(CommandLine, ItsOwnFilesAreReadOnlyWhenRegularAndSmall) {
  const std::string folder = sandbox::Path("own_files");
  page_test::MakeFile(folder + "/a.txt", "a");
  const std::string settings = publish::SettingsFilePath();
  const std::string profile = suite::ResolveProfilePath("");
  const std::string fifo = sandbox::Path("link.fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string large = sandbox::WriteFile(sandbox::Path("large.htm"), std::string(platform::kOwnFileLimit + 1, 'x'));
  const std::string limit = sandbox::WriteFile(sandbox::Path("limit.htm"), std::string(platform::kOwnFileLimit, 'x'));
  const struct {
    std::string fifoAt, linkFile, message;
  } cases[] = {
      {settings, "", "Not a regular file  " + settings},
      {profile, "", "Not a regular file  " + profile},
      {"", "/dev/zero", "link markup file /dev/zero is not a regular file"},
      {"", fifo, "link markup file " + fifo + " is not a regular file"},
      {"", large, "link markup file " + large + " is larger than 1 MiB"},
      {"", limit, ""},
  };
  for (const auto& c : cases) {
    fs::remove(folder + "/index.htm");
    for (const std::string& file : {settings, profile}) fs::remove(file);
    fs::create_directories(fs::path(settings).parent_path());
    sandbox::WriteFile(settings, "[Preference_202206]\npath_link_html=" + c.linkFile + "\n");
    if (!c.fifoAt.empty()) {
      fs::create_directories(fs::path(c.fifoAt).parent_path());
      fs::remove(c.fifoAt);
      ASSERT_EQ(::mkfifo(c.fifoAt.c_str(), 0600), 0);
    }
    const ProgramRun run = RunWxPub({"--page", folder});
    const bool linkFault = !c.linkFile.empty() && !c.message.empty();
    EXPECT_EQ(run.status, linkFault ? 1 : 0) << c.message << run.err;
    EXPECT_EQ(fs::exists(folder + "/index.htm"), !linkFault) << c.message;
    // A link file of exactly the limit is read whole.
    EXPECT_NE(c.message.empty() ? sandbox::ReadFile(folder + "/index.htm").find("<div\t>" + sandbox::ReadFile(limit) + "</div>")
                                : (linkFault ? run.err : DebugLogText()).find(c.message),
              std::string::npos) << c.message << run.err;
  }
  for (const std::string& file : {settings, profile}) fs::remove(file);
}

// Where each value comes from, and no secret shown.
TEST(CommandLine, SettingsNameTheirFilesAndOriginsAndMaskSecrets) {
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nphp_fn=/up/x.php\n");
  const ScopedEnv secret("AWS_SECRET_ACCESS_KEY", "s3cret-value"), region("AWS_REGION", "eu-west-1");
  const ProgramRun run = RunWxPub({"--settings"});
  EXPECT_EQ(run.status, 0);
  for (const std::string& part : {"  settings" + std::string(28, ' ') + publish::SettingsFilePath() + "\n",
                                  std::string("php_fn=/up/x.php"), std::string("(file)"),
                                  std::string("server=localhost"), std::string("(default)"),
                                  std::string("AWS_SECRET_ACCESS_KEY=****"), std::string("AWS_REGION=eu-west-1")})
    EXPECT_NE(run.out.find(part), std::string::npos) << part << run.out;
  EXPECT_EQ(run.out.find("s3cret"), std::string::npos);
}

// Two jobs of one process in one second: the second takes a fresh folder and
// clears the first one's copies.
TEST(CommandLine, TwoUploadsInOneSecondUseTwoFoldersAndTheSecondClearsTheFirst) {
  const UploadSite site(sandbox::Path("www"));
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + site.HostAndPort() +
                                                      "\nphp_fn=" + kUploadScript + "\nopen_http=http\n");
  ManualClock clock;
  clock.now = 1781000000;
  const std::string first = suite::GetDatedTempFolder() + platform::FormatLocalTime("%H%M%S");
  EXPECT_EQ(RunInProcess({"--upload", sandbox::WriteFile(sandbox::Path("first.txt"), "1")}), 0);
  EXPECT_TRUE(fs::exists(first + "/first.txt"));
  sandbox::WriteFile(first + "_2", "a file, not a folder");
  EXPECT_EQ(RunInProcess({"--upload", sandbox::WriteFile(sandbox::Path("second.txt"), "2")}), 0);
  EXPECT_FALSE(fs::exists(first));
  EXPECT_TRUE(fs::exists(first + "_3/second.txt"));
}

}  // namespace
