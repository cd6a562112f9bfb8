// The start-up check against a page server on 127.0.0.1 that the test controls.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "net/cache_path.h"
#include "net/move_aside.h"
#include "platform/file_services.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "update/update_check.h"

namespace {

constexpr int kAbsent = -1;

class UpdateCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFile(Env(kUpdateProfile).GetPath());
    Settings().WriteStr(kUpdateSection, kUpdateServerKey, server_.HostPort());
    const std::string bin = sandbox::Path("opener-bin");
    sandbox::MakeDirs(bin);
    // The desktop opener stand-in only notes what it was asked to open.
    sandbox::WriteFile(bin + "/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + Opened() + "'\n");
    ::chmod((bin + "/xdg-open").c_str(), 0755);
    RemoveFile(Opened());
    path_.emplace("PATH", bin + ":" + std::getenv("PATH"));
  }

  static Env Settings() { return Env(kUpdateProfile); }
  static int Count() { return Settings().GetInt(kUpdateSection, kUpdateCountKey, kAbsent); }
  static void SetCount(int count) { Settings().WriteInt(kUpdateSection, kUpdateCountKey, count); }
  static std::string Opened() { return sandbox::Path("opened.txt"); }
  std::string Address() const { return "//" + server_.HostPort() + "/z_Suite/download"; }

  // check_for_update with what it wrote to the standard error stream.
  std::pair<bool, std::string> Check() {
    ::testing::internal::CaptureStderr();
    const bool changed = check_for_update();
    return {changed, ::testing::internal::GetCapturedStderr()};
  }

  ScopedEnv noProxy_{"no_proxy", std::string("*")};
  std::optional<ScopedEnv> path_;
  LocalHttpServer server_;
};

bool Has(const std::string& trace, const std::string& line) {
  return trace.find(line) != std::string::npos;
}

TEST_F(UpdateCheck, AddressFromServerAndPath) {
  EXPECT_EQ(update_page_address(), Address());
  Settings().WriteStr(kUpdateSection, kUpdateServerKey, "example.com/");
  Settings().WriteStr(kUpdateSection, kUpdatePathKey, "/tools/dl/");
  EXPECT_EQ(update_page_address(), "//example.com/tools/dl");
  RemoveFile(Settings().GetPath());
  EXPECT_EQ(update_page_address(), "//localhost/z_Suite/download");
}

TEST_F(UpdateCheck, FirstStartIsNewAndLeavesTheCounter) {
  server_.SetResponse(200, "<p>1.0</p>");
  const auto [changed, trace] = Check();
  EXPECT_FALSE(changed);
  EXPECT_TRUE(Has(trace, "new\n")) << trace;
  EXPECT_EQ(Count(), kAbsent);
  EXPECT_FALSE(FileExists(Opened()));
  EXPECT_EQ(sandbox::ReadFile(cache_path(Address())), "<p>1.0</p>");
}

TEST_F(UpdateCheck, SamePageIsNoUpdate) {
  server_.SetResponse(200, "<a href=\"https://h/\">1.0</a>\r\n");
  Check();
  server_.SetResponse(200, "\r\n<a href=\"http://h/\">1.0</a>\r\n\r\n");
  const auto [changed, trace] = Check();
  EXPECT_FALSE(changed);
  EXPECT_TRUE(Has(trace, "no update\n")) << trace;
  EXPECT_EQ(Count(), kAbsent);
}

TEST_F(UpdateCheck, ChangedPageRaisesTheCounter) {
  server_.SetResponse(200, "<p>1.0</p>");
  Check();
  server_.SetResponse(200, "<p>1.1</p>");
  EXPECT_TRUE(Check().first);
  EXPECT_EQ(Count(), 4);
  server_.SetResponse(200, "<p>1.2</p>");
  EXPECT_TRUE(Check().first);
  EXPECT_EQ(Count(), 5);
  EXPECT_FALSE(FileExists(Opened()));
  // Every earlier copy is kept.
  EXPECT_EQ(sandbox::ReadFile(numbered_name(cache_path(Address()), 0)), "<p>1.0</p>");
}

TEST_F(UpdateCheck, SixthDetectionOpensThePageAndRestartsTheCount) {
  SetCount(5);
  server_.SetResponse(200, "<p>1.0</p>");
  Check();
  EXPECT_FALSE(FileExists(Opened()));
  server_.SetResponse(200, "<p>2.0</p>");
  EXPECT_TRUE(Check().first);
  EXPECT_EQ(sandbox::ReadFile(Opened()), "https:" + Address() + "\n");
  EXPECT_EQ(Count(), 0);
}

TEST_F(UpdateCheck, CountAboveLimitOpensEvenWithoutChange) {
  SetCount(9);
  server_.SetResponse(200, "<p>1.0</p>");
  EXPECT_FALSE(Check().first);
  EXPECT_EQ(sandbox::ReadFile(Opened()), "https:" + Address() + "\n");
  EXPECT_EQ(Count(), 0);
}

TEST_F(UpdateCheck, FailedDownloadAfterGoodOneCountsOnceAndLeavesNote) {
  server_.SetResponse(200, "<p>1.0</p>");
  Check();
  server_.SetHangUp(true);
  const auto [changed, trace] = Check();
  EXPECT_TRUE(changed);
  EXPECT_EQ(Count(), 4);
  const std::string copy = cache_path(Address());
  const std::string notePath = GetFolderPart(copy) + "/_.txt";
  const std::string note = Address() + "\r\n" + cache_relative_path(Address()) + "\r\n" + notePath + "\r\n";
  EXPECT_EQ(sandbox::ReadFile(notePath), note);
  EXPECT_TRUE(Has(trace, note)) << trace;
  EXPECT_FALSE(FileExists(copy));
  // The next start has no copy to compare with.
  const auto [again, nextTrace] = Check();
  EXPECT_FALSE(again);
  EXPECT_TRUE(Has(nextTrace, "new\n")) << nextTrace;
  EXPECT_EQ(Count(), 4);
}

}  // namespace
