// The program against a site behind a password as it is deployed: nginx
// asking for it (auth_basic) in front of PHP, the password in ~/.netrc.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "support/program_run.h"
#include "publish/upload_settings.h"
#include "support/sandbox.h"
#include "support/says.h"
#include "support/upload_site.h"

namespace {

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
    sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\nserver=" + testserver::LocalServer(site.port) +
                                                        "\nphp_fn=" + kUploadScript + "\nopen_http=" + scheme + "\n");
    std::filesystem::remove_all(docroot + "/up/data");
    const ProgramRun run = RunWxPub({"--upload", files[0], files[1]});
    EXPECT_EQ(run.status, status) << entries << scheme << run.err;
    EXPECT_EQ((run.out + run.err).find("wr0ng"), std::string::npos);
    EXPECT_TRUE(Says(run.err, reason)) << run.err;
    for (const std::string& name : {std::string("a.txt"), std::string("b.txt"), UserPageName()})
      EXPECT_EQ(std::filesystem::exists(docroot + "/up/data/" + name), status == 0) << name;
  }
}

}  // namespace
