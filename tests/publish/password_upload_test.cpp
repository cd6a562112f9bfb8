// The program against a site behind a password as it is deployed: nginx
// asking for it (auth_basic) in front of PHP-FPM, the password in ~/.netrc.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/folders.h"
#include "platform/system_places.h"
#include "program_run.h"
#include "publish/upload_settings.h"
#include "support/sandbox.h"
#include "support/upload_servers.h"
#include "upload_site.h"

namespace fs = std::filesystem;

namespace {

class PasswordUpload : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const fs::path script = fs::path(Docroot()) / fs::path(kUploadScript).relative_path();
    fs::create_directories(script.parent_path());
    fs::copy_file(WXPUB_SOURCE_DIR "/server/upload.php", script, fs::copy_options::overwrite_existing);
    sandbox::MakeDirs(sandbox::Path("password_site"));
    site_ = new testserver::PasswordSite(sandbox::Path("password_site"), Docroot(), "uploader", "s3cret");
  }
  static void TearDownTestSuite() {
    delete site_;
    site_ = nullptr;
  }

  static std::string Docroot() { return sandbox::Path("password_www"); }
  static std::string Stored(const std::string& name) { return Docroot() + "/up/data/" + name; }

  static void WriteNetrc(const std::string& text) {
    const std::string netrc = std::string(std::getenv("HOME")) + "/.netrc";
    sandbox::WriteFile(netrc, text);
    ::chmod(netrc.c_str(), 0600);
  }

  // Two files and the page, with the scheme given.
  static ProgramRun Upload(const std::string& scheme) {
    sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + testserver::LocalServer(site_->Port()) +
                                               "\nphp_fn=" + kUploadScript + "\nopen_http=" + scheme + "\n");
    sandbox::WriteFile(sandbox::Path("password_src/a.txt"), "a");
    sandbox::WriteFile(sandbox::Path("password_src/b.txt"), "b");
    return RunWxPub({"--upload", sandbox::Path("password_src/a.txt"), sandbox::Path("password_src/b.txt")});
  }

  static testserver::PasswordSite* site_;
};

testserver::PasswordSite* PasswordUpload::site_ = nullptr;

TEST_F(PasswordUpload, TheHostsNetrcEntryOpensTheSite) {
  WriteNetrc("machine 127.0.0.1 login uploader password s3cret\n");
  const ProgramRun run = Upload("http");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& name : {std::string("a.txt"), std::string("b.txt"), publish::NameTo7bit(platform::UserName()) + ".htm"})
    EXPECT_TRUE(fs::exists(Stored(name))) << name;
}

TEST_F(PasswordUpload, WithoutTheHostsPasswordTheRunFailsWith401) {
  // The right password is written for another name of the host.
  WriteNetrc("machine localhost login uploader password s3cret\nmachine 127.0.0.1 login uploader password wr0ng\n");
  const ProgramRun run = Upload("http");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("HTTP status 401"), std::string::npos) << run.err;
  EXPECT_EQ((run.out + run.err).find("wr0ng"), std::string::npos);
}

TEST_F(PasswordUpload, PlainRetryAfterAFailedTlsConnectionGoesWithoutThePassword) {
  WriteNetrc("machine 127.0.0.1 login uploader password s3cret\n");
  const ProgramRun run = Upload("https");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("HTTP status 401"), std::string::npos) << run.err;
}

}  // namespace
