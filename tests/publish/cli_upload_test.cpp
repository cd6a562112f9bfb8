// The program run as a script would run it, against the reference server.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>

#include "platform/folders.h"
#include "platform/profile.h"
#include "program_run.h"
#include "publish/upload_settings.h"
#include "support/sandbox.h"
#include "upload_site.h"

namespace fs = std::filesystem;

namespace {

const char* const kLibrary = "/_lib/js/jquery/jquery/1.9.1/jquery.min.js";

// What a site around the upload script serves: its root, icon, script libraries
// and a script that answers 500 to anything but a page.
std::string SiteFolder() {
  const std::string www = sandbox::Path("cli_www");
  for (const char* file : {"/index.html", "/favicon.ico", kLibrary, "/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.min.js",
                           "/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css"})
    sandbox::WriteFile(www + file, "x");
  sandbox::WriteFile(www + "/up/picky.php",
                     "<?php if (!str_ends_with($_FILES['file_img']['name'], '.htm')) http_response_code(500);");
  return www;
}

const UploadSite& Site() {
  static const UploadSite site(SiteFolder());
  return site;
}

// settings: lines before the site's own; the first line of a key wins.
void UseSite(const std::string& settings = "") {
  const std::string server = Site().HostAndPort();
  sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\n" + settings + "server=" + server +
                                                      "\nphp_fn=" + kUploadScript + "\nopen_http=http\n");
  platform::Profile profile;
  profile.WriteStr("Preference", "http___2019_10", "http:");
  profile.WriteStr("Preference", "server_2019_10", "//" + server);
}

// A name ending in "/" is made as a folder.
std::string Source(const std::string& name, const std::string& content) {
  const std::string path = sandbox::Path("cli_src/" + name);
  if (name.ends_with('/')) fs::create_directories(path);
  else sandbox::WriteFile(path, content);
  return path;
}

std::string PageAddress() { return publish::UploadPageAddress(publish::ReadUploadSettings()); }

// The last line of a text, without its line end.
std::string LastLine(const std::string& text) {
  const std::string trimmed = text.substr(0, text.find_last_not_of("\r\n") + 1);
  return trimmed.substr(trimmed.rfind('\n') + 1);
}

// Status code of a GET request, "000" when no answer came.
std::string HttpStatus(const std::string& url) {
  static int calls = 0;
  const std::string log = sandbox::Path("curl" + std::to_string(++calls) + ".log");
  testserver::RunCommand({"curl", "-s", "-o", "/dev/null", "-w", "%{http_code}", "--noproxy", "*", url}, log);
  return sandbox::ReadFile(log);
}

// What a run left in its temporary folder besides the program's own folder.
std::vector<std::string> Leftovers(const std::string& tmp) {
  std::vector<std::string> left;
  for (const auto& entry : fs::recursive_directory_iterator(sandbox::Path(tmp)))
    if (entry.path().filename() != "wx_pub-" + std::to_string(::geteuid())) left.push_back(entry.path().string());
  return left;
}

// Every href and src of the page, resolved against the page's address.
std::set<std::string> LinksOf(const std::string& page, const std::string& pageAddress) {
  const std::string site = pageAddress.substr(0, pageAddress.find('/', std::string("http://").size()));
  const std::string folder = pageAddress.substr(0, pageAddress.rfind('/') + 1);
  std::set<std::string> links;
  const std::regex attribute(R"re((?:href|src)\s*=\s*"([^"]*)")re");
  for (std::sregex_iterator it(page.begin(), page.end(), attribute), end; it != end; ++it) {
    const std::string link = (*it)[1];
    if (link.rfind("http:", 0) == 0) links.insert(link);
    else if (link.rfind('/', 0) == 0) links.insert(site + link);
    else links.insert(folder + link);
  }
  return links;
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
      {{{kJapaneseWithBlank, "kana"}}, {{"BD_F.txt", "kana"}, kPage}},
      {{{kJapaneseWithBlank, "kana"}}, {{kJapaneseWithBlank, "kana"}, kPage}, "name_to_7bit=0\n"},
      {{{"one/same.txt", "first"}, {"two/same.txt", "second"}}, {{"same.txt", "second"}, kPage}},
      {{{"dropped_folder/", ""}}, {kPage}},
      // Only an exactly named index page stands in for the generated one.
      {{{"mine/index.html", "<p>mine</p>"}}, {{"*", "<p>mine</p>"}}},
      {{{"capital/Index.htm", "<p>capital</p>"}}, {{"Index.htm", "<p>capital</p>"}, kPage}},
      {{{kDots, "dots"}, {"fine.txt", "fine"}}, {{"fine.txt", "fine"}, kPage}, "",
       kDots + ": the file could not be read or written (Can't copy "},
      {{{"写真 2026.jpg", "x"}}, {}, "php_fn=/up/picky.php\n",
       "/写真 2026.jpg: the server answered 500 (http://" + Site().HostAndPort() + "/up/picky.php: HTTP status 500)", true},
      {{{"大きい.bin", std::string(1048577, 'x')}}, {kPage}, "up_max_file_size=1\n",
       "/大きい.bin: the file is larger than the limit of 1 MiB (", true},
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
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(LastLine(run.out), PageAddress()) << tmp;
    std::map<std::string, std::string> received;
    for (const auto& [name, content] : Site().Received())
      received[name == publish::UploadPageName() ? "*" : name] = content.substr(0, content.find("\r\n"));
    EXPECT_EQ(received, c.received) << tmp;
    EXPECT_EQ(!Leftovers(tmp).empty(), c.kept) << tmp;
    for (const std::string& source : std::vector(arguments.begin() + 1, arguments.end())) EXPECT_TRUE(fs::exists(source));
    if (!c.err.empty() || received["*"] != kPage.second) continue;
    EXPECT_EQ(run.err, "");   // no meter where standard error is no terminal
    std::set<std::string> links = LinksOf(Site().Received().at(publish::UploadPageName()), PageAddress());
    // The slide show's library comes with a picture; each received file is linked.
    EXPECT_EQ(links.count("http://" + Site().HostAndPort() + kLibrary), received.count("photo.png"));
    const std::string pages = publish::BrowserAddress(publish::ReadUploadSettings());
    EXPECT_EQ(std::ranges::count_if(links, [&](const std::string& link) { return link.starts_with(pages); }),
              received.size() - 1) << tmp;
    links.insert(PageAddress());
    for (const std::string& link : links) EXPECT_EQ(HttpStatus(link), "200") << link;
  }
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
      if (name == publish::UploadPageName()) EXPECT_TRUE(content.ends_with("</html>\r\n")) << blocks;
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

}  // namespace
