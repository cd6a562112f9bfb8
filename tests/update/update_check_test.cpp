// The start-up check against a page server on 127.0.0.1 that the test controls.
#include <gtest/gtest.h>

#include "update/download_cache.h"
#include "platform/fs/file_operations.h"
#include "suite/folders.h"
#include "suite/profile.h"
#include "suite/profile_location.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"
#include "update/update_check.h"

namespace {

using namespace update;

// Backslashes separate as slashes do; server and path meet at one slash.
TEST(UpdatePageAddress, SettingsWithSeparatorsMeetAtOneSlash) {
  for (const auto& [server, path, address] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"//h/", "/p/", "//h/p"}, {"h\\", "\\p\\q\\", "//h/p/q"}, {"\\\\h", "p\\\\q", "//h/p/q"}}) {
    suite::Profile(kProfile).WriteStr(kSection, kServerKey, server);
    suite::Profile(kProfile).WriteStr(kSection, kPathKey, path);
    EXPECT_EQ(UpdatePageAddress(), address) << server << " " << path;
  }
  platform::RemoveFile(suite::ResolveProfilePath(kProfile));
}

// Start after start against one server: each compares with the copy the
// previous start kept; the count starts at three and opens the page past five.
// A stopped start has moved the copy aside: it counts as a failed download
// but opens nothing.
TEST(UpdateCheck, StartAfterStart) {
  const ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer server;
  suite::Profile(kProfile).WriteStr(kSection, kServerKey, server.HostPort());
  const std::string address = "//" + server.HostPort() + "/z_Suite/download";
  const std::string copy = update::CachePath(address);
  const std::string notePath = platform::GetFolderPart(copy) + "/_.txt";
  const std::string note = address + "\r\n" + update::CacheRelativePath(address) + "\r\n" + notePath + "\r\n";
  // page (none: the server hangs up), changed, count kept (-1: none), opens, traced, stopped
  for (const auto& [page, changed, count, opens, traced, stopped] :
       std::vector<std::tuple<const char*, bool, int, bool, std::string, bool>>{
           {"<a href=\"https://h/\">1.0</a>\r\n", false, -1, false, "new\n", false},
           {"\r\n<a href=\"http://h/\">1.0</a>\r\n\r\n", false, -1, false, "no update\n", false},
           {"<p>1.1</p>", true, 4, false, "", false},
           {"<p>1.2</p>", true, 5, false, "", false},
           {"<p>1.3</p>", true, 0, true, "", false},
           {nullptr, true, 1, false, note, false},
           {nullptr, false, 1, false, "new\n", false},
           {"<p>1.4</p>", false, 1, false, "new\n", false},
           {"<p>1.5</p>", true, 2, false, note, true}}) {
    server.SetResponse(page ? 200 : 0, page ? page : "");
    TraceRecord trace;
    const std::atomic<bool> stop{stopped};
    const CheckResult result = CheckForUpdate(trace.Sink(), &stop);
    EXPECT_EQ(result.changed, changed) << count;
    EXPECT_EQ(suite::Profile(kProfile).GetInt(kSection, kCountKey, -1), count);
    EXPECT_EQ(result.openAddress, opens ? "https:" + address : "");
    EXPECT_NE(trace.error.find(traced), std::string::npos) << trace.error;
    EXPECT_EQ(sandbox::ReadFile(copy), page && !stopped ? page : "");
  }
  EXPECT_EQ(sandbox::ReadFile(notePath), note);
}

}  // namespace
