// The built program as a script runs it, and the command line in process,
// against the reference upload script; and the script on its own.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <tuple>

#include "net/form_data.h"
#include "cli/command_line.h"
#include "platform/fs/file_io.h"
#include "platform/system/clock.h"
#include "platform/text/path_text.h"
#include "publish/upload_settings.h"
#include "suite/folders.h"
#include "suite/profile_location.h"
#include "support/debug_log_reader.h"
#include "support/local_http_server.h"
#include "support/manual_clock.h"
#include "support/page_fixture.h"
#include "support/program_run.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/upload_site.h"

namespace fs = std::filesystem;

namespace {

// The command line run inside the test process, as main() runs it.
std::optional<int> RunInProcess(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "wx_pub");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return cli::RunCommandLine(static_cast<int>(arguments.size()), argv.data());
}

// The upload script's site, with a script that answers 500 to a name with
// "refused" and stores the rest.
std::string SiteFolder() {
  const std::string www = sandbox::Path("cli_www");
  sandbox::WriteFile(www + "/up/picky.php",
                     "<?php if (str_contains($_FILES['file_img']['name'], 'refused')) exit(http_response_code(500));\n"
                     "require __DIR__ . '/upload.php';");
  return www;
}

const UploadSite& Site() {
  static const UploadSite site(SiteFolder());
  return site;
}

// settings: lines before the site's own; the first line of a key wins.
void UseSite(const std::string& settings = "") {
  const std::string site = "server=" + Site().HostAndPort() + "\nphp_fn=" + kUploadScript + "\nopen_http=http\n";
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\n" + settings + site);
}

// A name ending in "/" is made as a folder.
std::string Source(const std::string& name, const std::string& content) {
  const std::string path = sandbox::Path("cli_src/" + name);
  if (name.ends_with('/')) fs::create_directories(path);
  else sandbox::WriteFile(path, content);
  return path;
}

// The page's address in the folder of the script's pages.
std::string PageAddress() { return "http://" + Site().HostAndPort() + "/up/data/" + UserPageName(); }

// What a run left in its temporary folder besides the program's own folder.
std::vector<std::string> Leftovers(const std::string& tmp) {
  std::vector<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(sandbox::Path(tmp)))
    if (entry.path().filename() != "wx_pub-" + std::to_string(::geteuid())) left.push_back(entry.path().string());
  return left;
}

const std::string kJapaneseWithBlank = "\xE3\x81\x82\xE3\x81\x84 \xE3\x81\x86.txt";   // "あい う.txt"
// Two full-width full stops: their 7-bit form is "..", which no file can be copied to.
const std::string kDots = "\xEF\xBC\x8E\xEF\xBC\x8E";
const std::pair<const std::string, std::string> kPage = {"*", "<!DOCTYPE html>"};

// What the server holds after a run (name and first line; "*" is the page),
// what standard error says about a failure, and whether the staged copies
// stay for a look.
TEST(CliUpload, WhatTheServerReceivesAndWhatAFailureSays) {
  const struct {
    std::vector<std::pair<std::string, std::string>> sources;
    std::map<std::string, std::string> received;
    std::string settings{}, err{};
    bool kept = false;
    std::string tmpPrefix{};
  } cases[] = {
      {{{"photo.png", "png bytes"}, {"notes.txt", "notes"}, {"other page.html", "<p>other</p>"}, {"empty.dat", ""}},
       {{"photo.png", "png bytes"}, {"notes.txt", "notes"}, {"other_page.html", "<p>other</p>"}, {"empty.dat", ""}, kPage}},
      {{{"one/a\\b.txt", "1"}, {"two/b.txt", "2"}}, {{"acb.txt", "1"}, {"b.txt", "2"}, kPage}},   // '\' is in a name
      {{{"\xFF.txt", "ff"}, {"\xFE.txt", "fe"}}, {{"e.txt", "fe"}, {"e_2.txt", "ff"}, kPage}},   // not UTF-8
      {{{"plain.txt", "p"}}, {{"plain.txt", "p"}, kPage}, "", "", false, "/"},   // TMPDIR begins with "//"
      {{{kJapaneseWithBlank, "kana"}}, {{kJapaneseWithBlank, "kana"}, kPage}, "name_to_7bit=0\n"},
      {{{"one/same.txt", "first"}, {"two/same.txt", "second"}}, {{"same.txt", "second"}, kPage}},
      {{{"dropped_folder/", ""}}, {}, "", "folders are not published: /"},
      // Only an exactly named index page stands in for the generated one.
      {{{"mine/index.html", "<p>mine</p>"}}, {{"*", "<p>mine</p>"}}},
      {{{"capital/Index.htm", "<p>capital</p>"}}, {{"Index.htm", "<p>capital</p>"}, kPage}},
      // A job that cannot be whole sends nothing; the page never follows a refusal.
      {{{kDots, "dots"}, {"fine.txt", "fine"}}, {}, "", kDots + ": the file could not be read or written (Can't copy ",
       true},
      {{{"fine.txt", "fine"}, {"refused 写真.jpg", "x"}}, {{"fine.txt", "fine"}}, "php_fn=/up/picky.php\n",
       "/refused 写真.jpg: the server answered 500 (http://" + Site().HostAndPort() + "/up/picky.php: HTTP status 500)",
       true},
      {{{"index.html", "<p>x</p>"}}, {}, "server=" + testserver::LocalServer(testserver::FreePort()) + "\n",
       "/index.html: the server could not be reached (http://127.0.0.1:", true},
  };
  for (int row = 1; const auto& c : cases) {
    UseSite(c.settings);
    Site().ClearData();
    const std::string tmp = "tmp_" + std::to_string(row++);   // the run's own, so that only its leftovers are seen
    std::vector<std::string> arguments = {"--upload"};
    for (const auto& [name, content] : c.sources) arguments.push_back(Source(tmp + "/" + name, content));
    const ProgramRun run = RunWxPub(arguments, c.tmpPrefix + sandbox::Path(tmp) + "/");

    EXPECT_EQ(run.status, c.err.empty() ? 0 : 1) << tmp << run.err;
    EXPECT_TRUE(Says(run.err, c.err)) << tmp << run.err;   // no meter where standard error is no terminal
    EXPECT_EQ(LastLine(run.out) == PageAddress(), c.err.empty()) << tmp << run.out;
    std::map<std::string, std::string> received;
    for (const auto& [name, content] : Site().Received())
      received[name == UserPageName() ? "*" : name] = content.substr(0, content.find("\r\n"));
    EXPECT_EQ(received, c.received) << tmp;
    EXPECT_EQ(!Leftovers(tmp).empty(), c.kept) << tmp;
    for (const std::string& source : std::vector(arguments.begin() + 1, arguments.end())) EXPECT_TRUE(fs::exists(source));
    if (!c.err.empty() || received["*"] != kPage.second) continue;
    const std::string trace = run.out.substr(0, run.out.rfind("\t200\n"));
    EXPECT_EQ(trace.substr(trace.rfind('\t') + 1), UserPageName()) << "the page goes last: " << run.out;
  }
}

// Each listed path is checked before a byte is copied or sent: a job with one
// path that cannot be published names it, stages nothing and leaves the
// server's page as it was.
TEST(CliUpload, AJobThatCannotBeWholeSendsNothing) {
  UseSite();
  const ProgramRun quiet = RunWxPub({"--upload", "-q", Source("good/kept.txt", "kept")});
  ASSERT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.out, PageAddress() + "\n");   // no trace lines

  const std::map<std::string, std::string> before = Site().Received();
  const std::string good = Source("odd/good.txt", "good");
  const std::string sparse = Source("odd/sparse.bin", "");
  fs::resize_file(sparse, uintmax_t{2} << 30);   // 2 GiB of holes: must not be copied densely
  const std::string fifo = sandbox::Path("cli_src/odd/pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "nothing to publish"},
      {{good, sandbox::Path("cli_src/odd/gone.txt")}, "/gone.txt: the file is not there (No such file or directory)"},
      {{good, fifo}, "/pipe: the file is not a regular file ("},
      {{"/dev/null", good}, "/dev/null: the file is not a regular file ("},
      {{good, sparse}, "/sparse.bin: the file is larger than the limit of 10 MiB ("},
  };
  for (const auto& [paths, err] : cases) {
    std::vector<std::string> arguments = {"--upload"};
    arguments.insert(arguments.end(), paths.begin(), paths.end());
    const ProgramRun run = RunWxPub(arguments, sandbox::Path("tmp_whole/"));
    EXPECT_EQ(run.status, 1) << err;
    EXPECT_NE(run.err.find(err), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Site().Received(), before) << err;
    EXPECT_EQ(Leftovers("tmp_whole"), std::vector<std::string>{}) << err;
  }
}

// A stop signal in the middle of a transfer: no page, no staged copy left,
// and the status a shell gives a program the signal ended. What a killed job
// leaves, the next job removes.
TEST(CliUpload, ASignalMidUploadSendsNoPageAndLeavesNoStagedCopy) {
  LocalHttpServer server;
  server.SetResponse(200, "", "", 8 << 10);   // 800 KB/s: four seconds for the large file
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + server.HostPort() + "\nopen_http=http\n");
  const std::vector<std::string> arguments = {"--upload", Source("signal/large.bin", std::string(3 << 20, 'x')),
                                              Source("signal/small.txt", "small")};
  for (const auto& [signal, status] : {std::pair{"INT", 130}, std::pair{"TERM", 143}}) {
    const ProgramRun run =
        RunWxPub(arguments, sandbox::Path("tmp_signal/"), "unlimited", std::string("timeout --preserve-status -s ") + signal + " 1");
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_NE(run.err.find("upload stopped:"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("small.txt"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find(UserPageName()), std::string::npos) << run.out;
    EXPECT_EQ(Leftovers("tmp_signal"), std::vector<std::string>{}) << signal;
  }
  EXPECT_NE(RunWxPub(arguments, sandbox::Path("tmp_signal/"), "unlimited", "timeout -s KILL 1").status, 0);
  const std::vector<std::string> killed = Leftovers("tmp_signal");
  EXPECT_EQ(std::ranges::count_if(killed, [](const std::string& path) { return path.ends_with("/large.bin"); }), 1);
  EXPECT_EQ(RunWxPub({"--upload", arguments[2]}, sandbox::Path("tmp_signal/")).status, 0);
  EXPECT_EQ(Leftovers("tmp_signal"), std::vector<std::string>{});
}

// Two jobs of one user write the same page: the second waits for the first.
TEST(CliUpload, TwoJobsOfOneUserTakeTurns) {
  LocalHttpServer server;
  server.SetResponse(200, "", "", 8 << 10);   // about a second for the first job's file
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + server.HostPort() + "\nopen_http=http\n");
  ProgramRun first;
  std::thread firstJob([&] { first = RunWxPub({"--upload", Source("turns/first.bin", std::string(1 << 20, 'f'))}); });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const ProgramRun second = RunWxPub({"--upload", Source("turns/second.txt", "second")});
  firstJob.join();
  EXPECT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_NE(second.err.find("waiting for another upload of this user to end"), std::string::npos) << second.err;
}

// One file may grow only up to the limit: a file or page that cannot be
// staged whole must not replace the server's good copy.
TEST(CliUpload, NothingHalfWrittenLeaves) {
  UseSite();
  const std::vector<std::string> arguments = {"--upload", Source("big.bin", std::string(200000, 'b')),
                                              Source("small.txt", "small")};
  ASSERT_EQ(RunWxPub(arguments, sandbox::Path("tmp_full/")).status, 0);
  const std::map<std::string, std::string> good = Site().Received();

  for (int blocks : {2, 195}) {   // below the page's size, then above it
    const ProgramRun run = RunWxPub(arguments, sandbox::Path("tmp_full/"), std::to_string(blocks));
    EXPECT_EQ(run.status, 1) << blocks;
    EXPECT_NE(run.err.find(arguments[1]), std::string::npos) << run.err;
    for (const auto& [name, content] : Site().Received()) {
      if (name == UserPageName()) EXPECT_TRUE(content.ends_with("</html>\r\n")) << blocks;
      else EXPECT_EQ(content, good.at(name)) << name;
    }
    for (const std::string& file : Leftovers("tmp_full")) EXPECT_NE(platform::GetFileName(file), "big.bin");
  }
}

TEST(CliUpload, OnATerminalStandardErrorShowsTheMeterAndStandardOutputStaysAsItIs) {
  UseSite();
  const std::string out = sandbox::Path("meter.out");
  const std::string screen = sandbox::Path("meter.screen");
  const std::string command = std::string("'") + WXPUB_APP + "' --upload '" + Source("meter.txt", "m") + "'";
  ASSERT_EQ(testserver::RunCommand({"script", "-qec", command + " >'" + out + "'", "/dev/null"}, screen), 0);
  EXPECT_NE(sandbox::ReadFile(screen).find("\r0/2 files"), std::string::npos) << sandbox::ReadFile(screen);
  EXPECT_EQ(LastLine(sandbox::ReadFile(out)), PageAddress());
  EXPECT_EQ(sandbox::ReadFile(out).find(" files"), std::string::npos);
  // Both streams on the terminal: each whole line goes out before the next meter.
  ASSERT_EQ(testserver::RunCommand({"script", "-qec", command, "/dev/null"}, screen + "2"), 0);
  const std::string both = sandbox::ReadFile(screen + "2");
  EXPECT_LT(both.find("meter.txt\t200"), both.find("1/2 files")) << both;
}

// The address goes on the clipboard only when asked for, and a clipboard that
// cannot be used does not fail a job that was published.
TEST(CliUpload, CopyPutsTheAddressOnTheClipboard) {
  UseSite();
  int number = 100 + ::getpid() % 5000;
  while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) ++number;
  const std::string display = ":" + std::to_string(number);
  const testserver::ChildProcess xvfb({"Xvfb", display, "-nolisten", "tcp"}, sandbox::Path("xvfb.log"));
  for (int wait = 0; wait < 100 && testserver::RunCommand({"xdpyinfo", "-display", display}, sandbox::Path("x.log")) != 0;
       ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_EQ(testserver::RunCommand({"sh", "-c", "printf before | xclip -display " + display + " -selection clipboard"},
                                   sandbox::Path("xclip.log")), 0);
  const std::string file = Source("copy.txt", "c");
  const struct {
    std::vector<std::string> arguments;
    std::string launcher, clipboard, err;
  } cases[] = {
      {{"--upload", file}, "env DISPLAY=" + display, "before", ""},
      {{"--upload", "--copy", "-q", file}, "", "before", "wx_pub: the address was not copied: there is no display"},
      {{"--upload", "-q", "--copy", file}, "env DISPLAY=" + display, PageAddress(), ""},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunWxPub(c.arguments, sandbox::Path("tmp/"), "unlimited", c.launcher);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LastLine(run.out), PageAddress());
    EXPECT_EQ(run.err.substr(0, run.err.find(" (")), c.err);
    EXPECT_EQ(CommandOutput({"xclip", "-display", display, "-selection", "clipboard", "-o"}), c.clipboard)
        << c.arguments[1];
  }
}

// What the program answers without a display: status, standard output (for
// "--help" its usage lines and a line per option) and a part of standard error;
// plain files and no arguments it leaves to the dialog.
TEST(CommandLine, AnswersWithoutADisplayAndLeavesPlainFilesToTheDialog) {
  // Outside a web root a thumbnail sits in "images" beside its file.
  const std::string folder = sandbox::Path("preview");
  page_test::MakeFile(folder + "/a b.png", "png", 1000000000);
  page_test::MakeFile(folder + "/images/a_b.png.jpg", "jpg", 1000000000);
  const std::string usage = "Usage: wx_pub [FILE...]\n       wx_pub --upload [-q] [--copy] [--to DESTINATION] [FILE...]\n"
                            "       wx_pub --page FOLDER [PAGE]\n       wx_pub --settings | --help | --version\n\n";
  const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
      {{"--uplaod", "a.txt"}, 2, "", "'--uplaod'\nTry 'wx_pub --help'"},
      {{"a.txt", "-x"}, 2, "", "wx_pub --help"}, {{"--upload", "--verbose", "a.txt"}, 2, "", "wx_pub --help"},
      {{"--page"}, 2, "", "wx_pub --help"}, {{"--page", ".", "sub/page.htm"}, 2, "", "wx_pub --help"},
      {{"--version"}, 0, std::string("wx_pub ") + WXPUB_VERSION + "\n", ""}, {{"--help"}, 0, usage, ""},
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
  // Plain files and no arguments are the dialog's.
  EXPECT_EQ(RunInProcess({}), std::nullopt);
  EXPECT_EQ(RunInProcess({"a.txt", "-", "b.png"}), std::nullopt);
}

// Files the program reads for itself that are no regular file or too large
// end the run at once: settings and profile count as missing, the link markup
// stops the page with a message naming it.
TEST(CommandLine, ItsOwnFilesAreReadOnlyWhenRegularAndSmall) {
  const std::string folder = sandbox::Path("own_files");
  page_test::MakeFile(folder + "/a.txt", "a");
  const std::string settings = publish::SettingsFilePath();
  const std::string profile = suite::ResolveProfilePath("");
  const std::string large = sandbox::WriteFile(sandbox::Path("large.htm"), std::string(platform::kOwnFileLimit + 1, 'x'));
  const std::string limit = sandbox::WriteFile(sandbox::Path("limit.htm"), std::string(platform::kOwnFileLimit, 'x'));
  const struct {
    std::string fifoAt, linkFile, message;
  } cases[] = {
      {settings, "", "Not a regular file  " + settings}, {profile, "", "Not a regular file  " + profile},
      {"", "/dev/zero", "link markup file /dev/zero is not a regular file"},
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
  UseSite();
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

// The program against a site behind a password as it is deployed: nginx
// asking for it (auth_basic) in front of PHP, the password in ~/.netrc.
TEST(PasswordUpload, OnlyTheHostsOwnNetrcEntryOverPlainHttpOpensTheSite) {
  std::filesystem::create_directories(sandbox::Path("password_site"));
  const std::string docroot = WithUploadScript(sandbox::Path("password_www"));
  const testserver::PasswordSite site(sandbox::Path("password_site"), docroot, "uploader", "s3cret");
  const std::string files[] = {sandbox::Path("password_src/a.txt"), sandbox::Path("password_src/b.txt")};
  for (const std::string& file : files) sandbox::WriteFile(file, "ab");
  const std::string netrc = std::string(std::getenv("HOME")) + "/.netrc";
  const std::tuple<const char*, const char*, int, const char*> cases[] = {
      {"machine 127.0.0.1 login uploader password s3cret\n", "http", 0, ""},
      // The right password is written for another name of the host.
      {"machine localhost login uploader password s3cret\nmachine 127.0.0.1 login uploader password wr0ng\n", "http", 1,
       "HTTP status 401"},
      // No plain retry follows a failed TLS handshake.
      {"machine 127.0.0.1 login uploader password s3cret\n", "https", 1, "certificate is not trusted"},
  };
  for (const auto& [entries, scheme, status, reason] : cases) {
    sandbox::WriteFile(netrc, entries);
    ::chmod(netrc.c_str(), 0600);
    UseSite("server=" + testserver::LocalServer(site.port) + "\nopen_http=" + scheme + "\n");
    std::filesystem::remove_all(docroot + "/up/data");
    const ProgramRun run = RunWxPub({"--upload", files[0], files[1]});
    EXPECT_EQ(run.status, status) << entries << scheme << run.err;
    EXPECT_EQ((run.out + run.err).find("wr0ng"), std::string::npos);
    EXPECT_TRUE(Says(run.err, reason)) << run.err;
    for (const std::string& name : {std::string("a.txt"), std::string("b.txt"), UserPageName()})
      EXPECT_EQ(std::filesystem::exists(docroot + "/up/data/" + name), status == 0) << name;
  }
  // A proxy reads a plain request whole: the password stays at home.
  LocalHttpServer proxy;
  const ScopedEnv all("no_proxy", std::nullopt), plain("http_proxy", "http://" + proxy.HostPort());
  sandbox::WriteFile(netrc, "machine 127.0.0.1 login uploader password s3cret\n");
  UseSite("server=" + testserver::LocalServer(site.port) + "\nopen_http=http\n");
  RunWxPub({"--upload", files[0]});
  ASSERT_FALSE(proxy.Requests().empty());
  for (const std::string& head : proxy.Requests()) EXPECT_EQ(head.find("Authorization"), std::string::npos) << head;
}

// The reference upload script on its own, under php -S: which names it
// stores, which requests it takes, and how it replaces a stored file. PHP's
// temporary folder is on another file system than the page folder, so
// that moving an upload in place is a copy, as on many servers.
struct OtherFileSystemFolder {
  const std::string path = "/dev/shm/wx_pub_upload_script_" + std::to_string(::getpid());
  OtherFileSystemFolder() { fs::create_directories(path); }
  ~OtherFileSystemFolder() { fs::remove_all(path); }
};

const UploadSite& ScriptSite() {
  static const OtherFileSystemFolder temporary;
  static const UploadSite site(sandbox::Path("script_www"), {"post_max_size=1M", "upload_tmp_dir=" + temporary.path});
  return site;
}

std::string DataPath(const std::string& name) { return sandbox::Path("script_www/up/data/" + name); }

// A form part; one without a file name is a plain field.
struct Part {
  std::string field, fileName, content;
};

// One POST of the parts, their file names written as the tool writes them: the
// status and the answer.
std::string Post(const std::vector<Part>& parts) {
  static int calls = 0;
  const std::string base = sandbox::Path("script_post" + std::to_string(++calls));
  std::string body;
  for (const Part& part : parts) {
    body += "--XX\r\nContent-Disposition: form-data; name=\"" + part.field + "\"";
    if (!part.fileName.empty()) body += "; filename=\"" + net::EscapeFormFileName(part.fileName) + "\"";
    body += "\r\n\r\n" + part.content + "\r\n";
  }
  sandbox::WriteFile(base + ".body", body + "--XX--\r\n");
  const std::string status =
      CommandOutput({"curl", "-s", "--noproxy", "*", "-o", base + ".answer", "-w", "%{http_code} ", "--data-binary",
                     "@" + base + ".body", "-H", "Content-Type: multipart/form-data; boundary=XX",
                     "http://" + ScriptSite().HostAndPort() + kUploadScript});
  return status + sandbox::ReadFile(base + ".answer");
}

std::string PostFile(const std::string& name, const std::string& text) { return Post({{"file_img", name, text}}); }

std::set<std::string> Stored() {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(DataPath(""))) names.insert(entry.path().filename().string());
  return names;
}

// Plain names are stored as sent (a double quote escaped); what a server
// would run, or a look-alike of it, is refused.
TEST(UploadScript, StoresPlainNamesAndRefusesWhatAServerWouldRunInAnyPart) {
  const std::pair<std::string, std::string> stored[] = {{"photo.png", "photo.png"}, {"写真 一覧.jpg", "写真 一覧.jpg"},
      {"a&b'c d.tar.gz", "a&b'c d.tar.gz"}, {"50%22off.txt", "50%22off.txt"}, {"say \"hi\".txt", "say %22hi%22.txt"}};
  for (const auto& [sent, name] : stored) {
    EXPECT_EQ(PostFile(sent, "bytes of " + sent), "200 OK\n") << sent;
    EXPECT_EQ(sandbox::ReadFile(DataPath(name)), "bytes of " + sent) << sent;
  }
  for (const std::string refused : {"a.php.jpg", ".htaccess", "PAGE.PHTML", "a.php5", "a.phps", "a.shtml", "a.inc.txt",
                                    "run.fcgi", "a.cgi.", "a.php .jpg", ".user.ini", "x.htpasswd", "sub/a.txt",
                                    // look-alike dots: full-width full stop, one dot leader, small full stop, in front
                                    "x\xEF\xBC\x8Ephp", "x\xE2\x80\xA4pl", "x\xEF\xB9\x92sh", "\xEF\xBC\x8Ehtaccess",
                                    "x.\xEF\xBD\x90\xEF\xBD\x99"}) {   // full-width "py"
    EXPECT_EQ(PostFile(refused, "bytes"), "403 name refused\n") << refused;
  }
}

TEST(UploadScript, TakesExactlyOneFilePartAndSaysWhyNot) {
  const Part file{"file_img", "one.txt", "one"};
  const std::string many = "400 more than one file_img part\n";
  const struct {
    std::vector<Part> parts;
    std::string answer;
  } cases[] = {
      {{file}, "200 OK\n"}, {{file, {"file_img", "two.txt", "two"}}, many}, {{file, {"other", "two.txt", "two"}}, many},
      {{{"file_img[]", "one.txt", "one"}}, many}, {{{"file_img", "", "not a file"}}, "400 no file_img part\n"},
      {{}, "400 no file_img part\n"},
      {{{"file_img", "big.bin", std::string(1048577, 'b')}}, "413 request too large\n"},
  };
  for (const auto& c : cases) {
    ScriptSite().ClearData();
    EXPECT_EQ(Post(c.parts), c.answer) << c.parts.size();
    EXPECT_EQ(Stored(), c.answer.starts_with("200") ? std::set<std::string>{"one.txt"} : std::set<std::string>{})
        << c.answer;
  }
}

// A file is replaced in one step: whoever has the old one open reads it
// whole, and a replacement that cannot be stored leaves no trace.
TEST(UploadScript, ReplacesAStoredFileInOneStep) {
  ScriptSite().ClearData();
  const std::string old(300000, 'o');
  ASSERT_EQ(PostFile("kept.bin", old), "200 OK\n");
  std::ifstream reader(DataPath("kept.bin"), std::ios::binary);
  ASSERT_EQ(PostFile("kept.bin", std::string(300000, 'n')), "200 OK\n");
  std::ostringstream held;
  held << reader.rdbuf();
  EXPECT_TRUE(held.str() == old) << held.str().substr(0, 1) << "... " << held.str().size() << " bytes";
  EXPECT_TRUE(sandbox::ReadFile(DataPath("kept.bin")) == std::string(300000, 'n'));

  fs::create_directories(DataPath("taken.txt/inside"));   // a folder cannot be replaced by a file
  EXPECT_EQ(PostFile("taken.txt", "new"), "500 cannot store file\n");
  EXPECT_TRUE(fs::exists(DataPath("taken.txt/inside")));
  EXPECT_EQ(Stored(), (std::set<std::string>{"kept.bin", "taken.txt"}));
}

}  // namespace
