// Downloads into the local copies from a server on 127.0.0.1 that the test
// starts and stops.
#include "update/download_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "platform/fs/file_status.h"
#include "platform/fs/temp_folder.h"
#include "support/local_http_server.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/trace_record.h"

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

}  // namespace
