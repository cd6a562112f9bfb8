// The start-up check against a page server on 127.0.0.1 that the test controls.
#include <gtest/gtest.h>

#include "net/download_cache.h"
#include "net/move_aside.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"
#include "update/update_check.h"

namespace {

using namespace update;

constexpr int kAbsent = -1;

class UpdateCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::RemoveFile(Profile(kProfile).GetPath());
    Settings().WriteStr(kSection, kServerKey, server_.HostPort());
  }

  static Profile Settings() { return Profile(kProfile); }
  static int Count() { return Settings().GetInt(kSection, kCountKey, kAbsent); }
  static void SetCount(int count) { Settings().WriteInt(kSection, kCountKey, count); }
  std::string Address() const { return "//" + server_.HostPort() + "/z_Suite/download"; }

  // CheckForUpdate; trace_ keeps the trace of this check alone.
  CheckResult Check() {
    trace_ = {};
    return CheckForUpdate(trace_.Sink());
  }

  ScopedEnv noProxy_{"no_proxy", std::string("*")};
  LocalHttpServer server_;
  TraceRecord trace_;
};

bool Has(const std::string& trace, const std::string& line) {
  return trace.find(line) != std::string::npos;
}

TEST_F(UpdateCheck, AddressFromServerAndPath) {
  EXPECT_EQ(UpdatePageAddress(), Address());
  Settings().WriteStr(kSection, kServerKey, "example.com/");
  Settings().WriteStr(kSection, kPathKey, "/tools/dl/");
  EXPECT_EQ(UpdatePageAddress(), "//example.com/tools/dl");
  platform::RemoveFile(Settings().GetPath());
  EXPECT_EQ(UpdatePageAddress(), "//localhost/z_Suite/download");
}

TEST_F(UpdateCheck, FirstStartIsNewAndLeavesTheCounter) {
  server_.SetResponse(200, "<p>1.0</p>");
  const CheckResult result = Check();
  EXPECT_FALSE(result.changed);
  EXPECT_TRUE(Has(trace_.error, "new\n")) << trace_.error;
  EXPECT_EQ(Count(), kAbsent);
  EXPECT_EQ(result.openAddress, "");
  EXPECT_EQ(sandbox::ReadFile(net::CachePath(Address())), "<p>1.0</p>");
}

TEST_F(UpdateCheck, SamePageIsNoUpdate) {
  server_.SetResponse(200, "<a href=\"https://h/\">1.0</a>\r\n");
  Check();
  server_.SetResponse(200, "\r\n<a href=\"http://h/\">1.0</a>\r\n\r\n");
  EXPECT_FALSE(Check().changed);
  EXPECT_TRUE(Has(trace_.error, "no update\n")) << trace_.error;
  EXPECT_EQ(Count(), kAbsent);
}

TEST_F(UpdateCheck, ChangedPageRaisesTheCounter) {
  server_.SetResponse(200, "<p>1.0</p>");
  Check();
  server_.SetResponse(200, "<p>1.1</p>");
  EXPECT_TRUE(Check().changed);
  EXPECT_EQ(Count(), 4);
  server_.SetResponse(200, "<p>1.2</p>");
  const CheckResult result = Check();
  EXPECT_TRUE(result.changed);
  EXPECT_EQ(Count(), 5);
  EXPECT_EQ(result.openAddress, "");
  // Every earlier copy is kept.
  EXPECT_EQ(sandbox::ReadFile(net::NumberedName(net::CachePath(Address()), 0)), "<p>1.0</p>");
}

TEST_F(UpdateCheck, SixthDetectionOpensThePageAndRestartsTheCount) {
  SetCount(5);
  server_.SetResponse(200, "<p>1.0</p>");
  EXPECT_EQ(Check().openAddress, "");
  server_.SetResponse(200, "<p>2.0</p>");
  const CheckResult result = Check();
  EXPECT_TRUE(result.changed);
  EXPECT_EQ(result.openAddress, "https:" + Address());
  EXPECT_EQ(Count(), 0);
}

TEST_F(UpdateCheck, CountAboveLimitOpensEvenWithoutChange) {
  SetCount(9);
  server_.SetResponse(200, "<p>1.0</p>");
  const CheckResult result = Check();
  EXPECT_FALSE(result.changed);
  EXPECT_EQ(result.openAddress, "https:" + Address());
  EXPECT_EQ(Count(), 0);
}

TEST_F(UpdateCheck, FailedDownloadAfterGoodOneCountsOnceAndLeavesNote) {
  server_.SetResponse(200, "<p>1.0</p>");
  Check();
  server_.SetHangUp(true);
  EXPECT_TRUE(Check().changed);
  EXPECT_EQ(Count(), 4);
  const std::string copy = net::CachePath(Address());
  const std::string notePath = GetFolderPart(copy) + "/_.txt";
  const std::string note = Address() + "\r\n" + net::CacheRelativePath(Address()) + "\r\n" + notePath + "\r\n";
  EXPECT_EQ(sandbox::ReadFile(notePath), note);
  EXPECT_TRUE(Has(trace_.error, note)) << trace_.error;
  EXPECT_FALSE(platform::FileExists(copy));
  // The next start has no copy to compare with.
  EXPECT_FALSE(Check().changed);
  EXPECT_TRUE(Has(trace_.error, "new\n")) << trace_.error;
  EXPECT_EQ(Count(), 4);
}

}  // namespace
