// The program run as a script would run it, against the reference server.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "platform/folders.h"
#include "platform/profile.h"
#include "platform/system_places.h"
#include "program_run.h"
#include "publish/upload_settings.h"
#include "support/sandbox.h"
#include "upload_site.h"

namespace fs = std::filesystem;

namespace {

const char* const kLibraryFiles[] = {"/_lib/js/jquery/jquery/1.9.1/jquery.min.js",
                                     "/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.min.js",
                                     "/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.css"};

class CliUploadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string www = sandbox::Path("cli_www");
    site_ = new UploadSite(www);
    // What a site around the upload script serves: its root, icon and script libraries.
    sandbox::WriteFile(www + "/index.html", "<p>site</p>");
    sandbox::WriteFile(www + "/favicon.ico", "icon");
    for (const char* file : kLibraryFiles) sandbox::WriteFile(www + file, "/* library */");
  }
  static void TearDownTestSuite() {
    delete site_;
    site_ = nullptr;
  }

  void SetUp() override {
    WriteSettings(site_->HostAndPort());
    platform::Profile profile;
    profile.WriteStr("Preference", "http___2019_10", "http:");
    profile.WriteStr("Preference", "server_2019_10", "//" + site_->HostAndPort());
  }

  static void WriteSettings(const std::string& server) {
    sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + server +
                                               "\nphp_fn=" + kUploadScript + "\nopen_http=http\n");
  }
  // A temporary folder of the run's own, so that only its leftovers are seen;
  // prefix goes before its absolute path.
  static EnvironmentChanges OwnTempFolder(const std::string& name, const std::string& prefix = "") {
    const std::string tmp = sandbox::Path(name);
    sandbox::MakeDirs(tmp);
    return {{"TMPDIR", prefix + tmp + "/"}};
  }
  static std::string DataFolder() { return site_->DataFolder(); }
  static std::string PageName() { return publish::NameTo7bit(platform::UserName()) + ".htm"; }
  static std::string Source(const std::string& name, const std::string& content) {
    const std::string path = sandbox::Path("cli_src/" + name);
    sandbox::WriteFile(path, content);
    return path;
  }

  static UploadSite* site_;
};

UploadSite* CliUploadTest::site_ = nullptr;

// Name and content of every file the server holds.
std::map<std::string, std::string> Received(const std::string& dataFolder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(dataFolder)) {
    files[entry.path().filename().string()] = sandbox::ReadFile(entry.path().string());
  }
  return files;
}

std::vector<std::string> FilesBelow(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_directory()) files.push_back(entry.path().string());
  }
  return files;
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
    else if (link.rfind("//", 0) == 0) links.insert("http:" + link);
    else if (link.rfind('/', 0) == 0) links.insert(site + link);
    else links.insert(folder + link);
  }
  return links;
}

TEST_F(CliUploadTest, UploadsEveryFileAndThePageAndPrintsAnAddressWhoseLinksAllAnswer) {
  const std::vector<std::string> files = {Source("photo.png", "png bytes"), Source("notes.txt", "notes"),
                                          Source("other page.html", "<p>other</p>"), Source("empty.dat", "")};
  std::vector<std::string> arguments = {"--upload"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  const ProgramRun run = RunWxPub(arguments, OwnTempFolder("tmp_upload"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");   // no meter where standard error is no terminal

  const std::string address = publish::BrowserAddress(publish::ReadUploadSettings()) + PageName();
  ASSERT_FALSE(Lines(run.out).empty());
  EXPECT_EQ(Lines(run.out).back(), address);
  for (const char* name : {"photo.png", "notes.txt", "other_page.html", "empty.dat"}) {
    EXPECT_TRUE(fs::exists(DataFolder() + "/" + name)) << name;
  }
  EXPECT_EQ(sandbox::ReadFile(DataFolder() + "/notes.txt"), "notes");

  ASSERT_EQ(HttpGetStatus(address), 200);
  const std::set<std::string> links = LinksOf(sandbox::ReadFile(DataFolder() + "/" + PageName()), address);
  EXPECT_TRUE(links.count(publish::BrowserAddress(publish::ReadUploadSettings()) + "photo.png"));
  EXPECT_TRUE(links.count("http://" + site_->HostAndPort() + kLibraryFiles[0]));
  for (const std::string& link : links) EXPECT_EQ(HttpGetStatus(link), 200) << link;

  EXPECT_TRUE(FilesBelow(sandbox::Path("tmp_upload")).empty());
  EXPECT_FALSE(fs::exists(sandbox::Path("tmp_upload/wx_pub-" + std::to_string(::geteuid()) + "/z_Suite.tmp")));
}

TEST_F(CliUploadTest, WithTheServerGoneTheRunFailsNamingTheFirstFile) {
  WriteSettings(DeadServer());
  const ProgramRun run = RunWxPub({"--upload", Source("lonely.txt", "x")}, OwnTempFolder("tmp_gone"));
  EXPECT_EQ(run.status, 1);
  // The transport traces each attempt as host, port, script and file name.
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_FALSE(lines.empty());
  const std::string firstFile = lines.front().substr(lines.front().rfind('\t') + 1);
  EXPECT_TRUE(firstFile == "lonely.txt" || firstFile == PageName()) << firstFile;
  EXPECT_NE(run.err.find("/" + firstFile + ": the server could not be reached ("), std::string::npos) << run.err;
  EXPECT_EQ(lines.back(), publish::BrowserAddress(publish::ReadUploadSettings()) + PageName());
}

TEST_F(CliUploadTest, OddNamesSurvive) {
  const struct {
    std::vector<std::string> names;
    std::string tmpPrefix;
  } cases[] = {
      {{"one/a\\b.txt", "two/b.txt"}, ""},   // '\' is part of a name
      {{"\xFF.txt", "\xFE.txt"}, ""},       // not UTF-8
      {{"plain.txt"}, "/"},                 // TMPDIR begins with "//"
  };
  int row = 0;
  for (const auto& [names, tmpPrefix] : cases) {
    site_->ClearData();
    std::vector<std::string> arguments = {"--upload"};
    std::set<std::string> contents;
    for (const std::string& name : names) arguments.push_back(Source(name, name)), contents.insert(name);
    const std::string tmp = "tmp_odd" + std::to_string(++row);
    ASSERT_EQ(RunWxPub(arguments, OwnTempFolder(tmp, tmpPrefix)).status, 0) << names[0];

    std::map<std::string, std::string> received = Received(DataFolder());
    EXPECT_EQ(received.erase(PageName()), 1u) << names[0];
    std::set<std::string> arrived;
    for (const auto& [name, content] : received) arrived.insert(content);
    EXPECT_EQ(arrived, contents) << names[0];
    EXPECT_TRUE(FilesBelow(sandbox::Path(tmp)).empty()) << names[0];
  }
}

// One file may grow only up to the limit: a file or page that cannot be
// staged whole must not replace the server's good copy.
TEST_F(CliUploadTest, NothingHalfWrittenLeaves) {
  site_->ClearData();
  const std::vector<std::string> arguments = {"--upload", Source("big.bin", std::string(200000, 'b')),
                                              Source("small.txt", "small")};
  ASSERT_EQ(RunWxPub(arguments, OwnTempFolder("tmp_full")).status, 0);
  const std::map<std::string, std::string> good = Received(DataFolder());

  for (rlim_t limit : {1000, 100000}) {   // below the page's size, then above it
    const ProgramRun run = RunWxPub(arguments, OwnTempFolder("tmp_full"), limit);
    EXPECT_EQ(run.status, 1) << limit;
    EXPECT_NE(run.err.find(arguments[1]), std::string::npos) << run.err;
    for (const auto& [name, content] : Received(DataFolder())) {
      if (name == PageName()) EXPECT_TRUE(content.ends_with("</html>\r\n")) << limit;
      else EXPECT_EQ(content, good.at(name)) << name;
    }
    for (const std::string& file : FilesBelow(sandbox::Path("tmp_full")))
      EXPECT_NE(platform::GetFileName(file), "big.bin");
  }
}

TEST_F(CliUploadTest, OnATerminalStandardErrorShowsTheMeterAndStandardOutputStaysAsItIs) {
  const std::string out = sandbox::Path("meter.out");
  const std::string screen = sandbox::Path("meter.screen");
  const std::string command = std::string("'") + WXPUB_APP + "' --upload '" + Source("meter.txt", "m") + "' >'" + out + "'";
  ASSERT_EQ(testserver::RunCommand({"script", "-qec", command, "/dev/null"}, screen), 0) << sandbox::ReadFile(screen);
  EXPECT_NE(sandbox::ReadFile(screen).find("\r0/2 files"), std::string::npos) << sandbox::ReadFile(screen);
  EXPECT_EQ(Lines(sandbox::ReadFile(out)).back(), publish::BrowserAddress(publish::ReadUploadSettings()) + PageName());
  EXPECT_EQ(sandbox::ReadFile(out).find(" files"), std::string::npos);
}

}  // namespace
