// The start-up check against a page server on 127.0.0.1 that the test controls.
#include <gtest/gtest.h>

#include "net/download_cache.h"
#include "net/move_aside.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "platform/profile_location.h"
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
    platform::RemoveFile(platform::ResolveProfilePath(kProfile));
    Settings().WriteStr(kSection, kServerKey, server_.HostPort());
  }

  static platform::Profile Settings() { return platform::Profile(kProfile); }
  static int Count() { return Settings().GetInt(kSection, kCountKey, kAbsent); }
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

TEST_F(UpdateCheck, AddressFromServerAndPath) {
  EXPECT_EQ(UpdatePageAddress(), Address());
  Settings().WriteStr(kSection, kServerKey, "example.com/");
  Settings().WriteStr(kSection, kPathKey, "/tools/dl/");
  EXPECT_EQ(UpdatePageAddress(), "//example.com/tools/dl");
  platform::RemoveFile(platform::ResolveProfilePath(kProfile));
  EXPECT_EQ(UpdatePageAddress(), "//localhost/z_Suite/download");
}

// Start after start against one server: each compares with the copy the
// previous start kept; the count starts at three and opens the page past five.
TEST_F(UpdateCheck, StartAfterStart) {
  const std::string copy = net::CachePath(Address());
  const std::string notePath = platform::GetFolderPart(copy) + "/_.txt";
  const std::string note = Address() + "\r\n" + net::CacheRelativePath(Address()) + "\r\n" + notePath + "\r\n";
  const struct {
    const char* page;  // none: the server hangs up
    bool changed;
    int count;
    bool opens;
    std::string traced;
  } starts[] = {
      {"<a href=\"https://h/\">1.0</a>\r\n", false, kAbsent, false, "new\n"},
      {"\r\n<a href=\"http://h/\">1.0</a>\r\n\r\n", false, kAbsent, false, "no update\n"},
      {"<p>1.1</p>", true, 4, false, ""},
      {"<p>1.2</p>", true, 5, false, ""},
      {"<p>1.3</p>", true, 0, true, ""},
      {nullptr, true, 1, false, note},
      {nullptr, false, 1, false, "new\n"},
  };
  for (const auto& start : starts) {
    server_.SetResponse(start.page ? 200 : 0, start.page ? start.page : "");
    const CheckResult result = Check();
    EXPECT_EQ(result.changed, start.changed) << start.count;
    EXPECT_EQ(Count(), start.count);
    EXPECT_EQ(result.openAddress, start.opens ? "https:" + Address() : "");
    EXPECT_NE(trace_.error.find(start.traced), std::string::npos) << trace_.error;
    EXPECT_EQ(sandbox::ReadFile(copy), start.page ? start.page : "");
  }
  EXPECT_EQ(sandbox::ReadFile(notePath), note);
  EXPECT_EQ(sandbox::ReadFile(net::NumberedName(copy, 0)), starts[0].page);
}

}  // namespace
