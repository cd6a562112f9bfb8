#include "net/s3_upload.h"

#include <gtest/gtest.h>

#include "support/sandbox.h"

namespace {

// Every object is checked before the first request: one that cannot go fails
// the call, named, whatever stands before it in the list.
TEST(PutObjects, AnObjectThatCannotGoFailsTheWholeCallBeforeAnyRequest) {
  const std::string good = sandbox::WriteFile(sandbox::Path("s3/good.txt"), "good");
  const std::string large = sandbox::WriteFile(sandbox::Path("s3/large.bin"), std::string(11, 'x'));
  const net::S3Config config{"key", "secret", "", "us-east-1", "http://127.0.0.1:1"};
  const std::tuple<net::S3Object, std::string, std::string> rows[] = {
      {{"", good, ""}, "", "no object name"},
      {{"gone.txt", sandbox::Path("s3/gone.txt"), ""}, "gone.txt", " is not a readable file"},
      {{"s3", sandbox::Path("s3"), ""}, "s3", " is not a readable file"},
      {{"large.bin", large, ""}, "large.bin", "larger than the S3 size limit of 10 bytes"},
  };
  for (const auto& [object, name, detail] : rows) {
    net::S3Failure failure;
    EXPECT_FALSE(net::PutObjects(config, {"bucket", ""}, {{"good.txt", good, ""}, object}, {.maxFileSize = 10},
                                 &failure, nullptr, nullptr))
        << detail;
    EXPECT_EQ(failure.name, name);
    EXPECT_TRUE(failure.detail.ends_with(detail)) << failure.detail;
    EXPECT_EQ(failure.status, 0) << "no request went out";
  }
}

}  // namespace
