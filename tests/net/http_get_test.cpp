#include "net/http_get.h"

#include <gtest/gtest.h>

#include "platform/fs/file_status.h"
#include "support/sandbox.h"
#include "support/trace_record.h"

namespace net {
namespace {

TEST(HttpGet, UnparsableUrlReturnsFalse) {
  const std::string path = sandbox::Path("unparsable.htm");
  TraceRecord trace;
  EXPECT_FALSE(HttpGet("http:", "//a b/", path, trace.Sink()));
  EXPECT_EQ(trace.error, "Failed AfxParseURL |http://a b/\n");
  EXPECT_FALSE(platform::FileExists(path));
}

}  // namespace
}  // namespace net
