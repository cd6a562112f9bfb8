// The program run as a script would run it, against the reference server.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "platform/text/path_text.h"
#include "publish/upload_settings.h"
#include "support/local_http_server.h"
#include "support/program_run.h"
#include "support/sandbox.h"
#include "support/says.h"
#include "support/upload_site.h"

namespace fs = std::filesystem;

namespace {

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

}  // namespace
