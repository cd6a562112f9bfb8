// The request body of one file, byte for byte, and its debug copy.
#include "net/form_data.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/fs/file_status.h"
#include "suite/folders.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace net {
namespace {

std::string AsText(const platform::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string ExpectedBody(const std::string& filename, const std::string& content, const std::string& boundary) {
  return "--" + boundary + "\r\n" + "Content-Disposition: form-data; name=\"file_img\"; filename=\"" + filename +
         "\"\r\n" + "Content-Type: application/octet-stream\r\n\r\n" + content + "\r\n--" + boundary + "--\r\n";
}

TEST(FormData, BoundaryIsTwentyThreeCharactersEndingInTheTime) {
  EXPECT_TRUE(std::regex_match(MakeBoundary(), std::regex("-----upfile\\.hxx__[0-9]{6}"))) << MakeBoundary();
}

// The file name is escaped as browsers do.
TEST(FormData, BodyCarriesTheFileUnchangedBetweenTheRows) {
  std::string allBytes;
  for (int value = 0; value < 256; ++value) allBytes += static_cast<char>(value);
  const struct {
    const char *name, *sent;
    std::string content;
  } rows[] = {{"bytes.bin", "bytes.bin", allBytes}, {"empty.txt", "empty.txt", ""},
              {"写真 一覧.txt", "写真 一覧.txt", "x"}, {"say \"hi\".txt", "say %22hi%22.txt", "hi"},
              {"a\r\nb%22;'\\.txt", "a%0D%0Ab%22;'\\.txt", "c"}};
  for (const auto& row : rows) {
    const std::string path = sandbox::WriteFile(sandbox::Path("form/") + row.name, row.content);
    EXPECT_EQ(AsText(MakeFormData(path, "-----upfile.hxx__123456", false).body),
              ExpectedBody(row.sent, row.content, "-----upfile.hxx__123456"));
  }
}

// An unreadable file gives no body, and no copy even with the debug switch on.
TEST(FormData, DebugSwitchKeepsACopyOfEveryReadableBody) {
  ManualClock clock;  // opening waits for a missing file
  EXPECT_TRUE(MakeFormData(sandbox::Path("form/missing.bin"), "B", true).body.empty());
  EXPECT_TRUE(MakeFormData(sandbox::Path("form"), "B", true).body.empty());
  EXPECT_FALSE(platform::FileExists(suite::GetDatedTempFolder() + "missing.bin.txt"));
  const std::string path = sandbox::Path("form/debugged.txt");
  const std::string copy = suite::GetDatedTempFolder() + "debugged.txt.txt";
  sandbox::WriteFile(path, "content");
  MakeFormData(path, "B1", false);
  EXPECT_FALSE(platform::FileExists(copy));
  MakeFormData(path, "B1", true);
  sandbox::WriteFile(path, "changed content");
  EXPECT_EQ(AsText(MakeFormData(path, "B2", true).body), ExpectedBody("debugged.txt", "changed content", "B2"));
  EXPECT_EQ(sandbox::ReadFile(copy), ExpectedBody("debugged.txt", "changed content", "B2"));
}

}  // namespace
}  // namespace net
