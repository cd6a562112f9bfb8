// The downloads into the local copies and the start-up check, against a page
// server on 127.0.0.1 that the tests start and control.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "suite/profile.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"
#include "update/download_cache.h"
#include "update/update_check.h"

namespace {

// Whatever the status, the body of the plain GET is the copy.
TEST(FetchToCache, HttpsIsTurnedAwayAndThePlainBodyStored) {
  const ScopedEnv noProxy("no_proxy", std::string("*"));
  for (const auto& [status, body] : std::vector<std::pair<int, std::string>>{{404, "<h1>Not Found</h1>"}, {200, ""}}) {
    LocalHttpServer server;
    server.SetResponse(status, body);
    const std::string url = "//" + server.HostPort() + "/z_Suite/download/";
    TraceRecord trace;
    const std::string path = update::FetchToCache(url, trace.Sink());
    // The copies lie in the host's folder chain below IR_dump.
    EXPECT_EQ(path, platform::GetTempFolder() + "z_Suite.tmp/IR_dump/_/127_0_0_1/" + std::to_string(server.Port()) +
                        "/z_Suite/download/_.htm");
    EXPECT_TRUE(platform::FolderExists(platform::GetTempFolder() + "z_Suite.tmp/I_Read"));
    EXPECT_TRUE(platform::FileExists(path)) << status;
    EXPECT_EQ(sandbox::ReadFile(path), body);
    // One trace line: the TLS attempt, turned away by the plain server.
    EXPECT_TRUE(trace.error.starts_with("127.0.0.1\t" + std::to_string(server.Port()) + "\t")) << trace.error;
    EXPECT_EQ(std::count(trace.error.begin(), trace.error.end(), '\n'), 1) << trace.error;
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].starts_with("GET /z_Suite/download/ HTTP/1.1\r\n")) << requests[0];
    // The download agent: the program's name and its whole version.
    EXPECT_TRUE(std::regex_search(requests[0], std::regex("\r\nUser-Agent: " WXPUB_PROGRAM_NAME " Linux [^\r]*\\) Ver\\."
                                                          WXPUB_VERSION "  [^\r]* GCC [^\r]*\r\n"))) << requests[0];
  }
}

using namespace update;

// Start after start against one server: each compares with the copy the
// previous start kept; the count starts at three and opens the page past five.
// A stopped start has moved the copy aside: it counts as a failed download
// but opens nothing.
TEST(UpdateCheck, StartAfterStart) {
  const ScopedEnv noProxy("no_proxy", std::string("*"));
  LocalHttpServer server;
  suite::Profile(kProfile).WriteStr(kSection, kServerKey, server.HostPort());
  const std::string address = "//" + server.HostPort() + "/z_Suite/download";
  // The copy's place in the cache, and the note a moved-aside copy leaves beside it.
  const std::string hostFolders = "/127_0_0_1/" + std::to_string(server.Port()) + "/z_Suite/download/";
  const std::string folder = platform::GetTempFolder() + "z_Suite.tmp/IR_dump/_" + hostFolders;
  const std::string copy = folder + "_.htm", notePath = folder + "_.txt";
  const std::string note = address + "\r\n_/" + hostFolders + "_.htm\r\n" + notePath + "\r\n";
  const std::string at = "127.0.0.1\t" + std::to_string(server.Port()) + "\t", hungUp = at + "Empty reply from server\n";
  // page (none: the server hangs up), changed, count kept (-1: none), opens, traced after the TLS attempt, stopped
  for (const auto& [page, changed, count, opens, traced, stopped] :
       std::vector<std::tuple<const char*, bool, int, bool, std::string, bool>>{
           {"<a href=\"https://h/\">1.0</a>\r\n", false, -1, false, "new\n", false},
           {"\r\n<a href=\"http://h/\">1.0</a>\r\n\r\n", false, -1, false, "no update\n", false},
           {"<p>1.1</p>", true, 4, false, "", false}, {"<p>1.2</p>", true, 5, false, "", false},
           {"<p>1.3</p>", true, 0, true, "", false},
           {nullptr, true, 1, false, hungUp + note, false},
           {nullptr, false, 1, false, hungUp + note + "new\n", false},
           {"<p>1.4</p>", false, 1, false, "new\n", false},
           {"<p>1.5</p>", true, 2, false, at + "Callback aborted\n" + note, true}}) {
    server.SetResponse(page ? 200 : 0, page ? page : "");
    TraceRecord trace;
    const std::atomic<bool> stop{stopped};
    const CheckResult result = CheckForUpdate(trace.Sink(), &stop);
    EXPECT_EQ(result.changed, changed) << count;
    EXPECT_EQ(suite::Profile(kProfile).GetInt(kSection, kCountKey, -1), count);
    EXPECT_EQ(result.openAddress, opens ? "https:" + address : "");
    EXPECT_EQ(trace.error.substr(trace.error.find('\n') + 1), traced) << count;
    EXPECT_EQ(sandbox::ReadFile(copy), page && !stopped ? page : "");
  }
  EXPECT_EQ(sandbox::ReadFile(notePath), note);
}

}  // namespace
