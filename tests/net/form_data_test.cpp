// The request body of one file, byte for byte, and its debug copy.
#include "net/form_data.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/file_io.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "support/sandbox.h"

namespace net {
namespace {

std::string AsText(const platform::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string ExpectedBody(const std::string& filename, const std::string& content, const std::string& boundary) {
  return "--" + boundary + "\r\n" + "Content-Disposition: form-data; name=\"file_img\"; filename=\"" + filename +
         "\"\r\n" + "Content-Type: application/octet-stream\r\n\r\n" + content + "\r\n--" + boundary + "--\r\n";
}

TEST(FormData, BoundaryIsTwentyThreeCharactersEndingInTheTime) {
  const std::string boundary = MakeBoundary();
  ASSERT_EQ(boundary.size(), 23u);
  EXPECT_EQ(boundary.substr(0, 17), "-----upfile.hxx__");
  EXPECT_EQ(boundary.substr(17).find_first_not_of("0123456789"), std::string::npos);
}

TEST(FormData, BodyCarriesTheFileUnchangedBetweenTheRows) {
  std::string content;
  for (int value = 0; value < 256; ++value) content += static_cast<char>(value);
  const std::string path = sandbox::Path("form/bytes.bin");
  sandbox::WriteFile(path, content);
  EXPECT_EQ(AsText(MakeFormData(path, "-----upfile.hxx__123456", false)),
            ExpectedBody("bytes.bin", content, "-----upfile.hxx__123456"));

  const std::string empty = sandbox::Path("form/empty.txt");
  sandbox::WriteFile(empty, "");
  EXPECT_EQ(AsText(MakeFormData(empty, "B", false)), ExpectedBody("empty.txt", "", "B"));

  const std::string japanese = sandbox::Path("form/写真 一覧.txt");
  sandbox::WriteFile(japanese, "x");
  EXPECT_EQ(AsText(MakeFormData(japanese, "B", false)), ExpectedBody("写真 一覧.txt", "x", "B"));
}

TEST(FormData, FileNameIsEscapedAsBrowsersDo) {
  EXPECT_EQ(EscapeFormFileName("a\"b\r\nc%22;'\\.txt"), "a%22b%0D%0Ac%22;'\\.txt");
  const std::string path = sandbox::Path("form/say \"hi\".txt");
  sandbox::WriteFile(path, "hi");
  EXPECT_EQ(AsText(MakeFormData(path, "B", false)), ExpectedBody("say %22hi%22.txt", "hi", "B"));
}

TEST(FormData, UnreadableFileGivesNoBody) {
  EXPECT_TRUE(MakeFormData(sandbox::Path("form/missing.bin"), "B", false).empty());
  EXPECT_TRUE(MakeFormData(sandbox::Path("form"), "B", false).empty());
}

TEST(FormData, DebugSwitchKeepsACopyOfEveryBody) {
  const std::string path = sandbox::Path("form/debugged.txt");
  sandbox::WriteFile(path, "content");
  const std::string copy = platform::GetDatedTempFolder() + "debugged.txt.txt";
  MakeFormData(path, "B1", false);
  EXPECT_FALSE(platform::FileExists(copy));

  MakeFormData(path, "B1", true);
  sandbox::WriteFile(path, "changed content");
  const platform::Bytes body = MakeFormData(path, "B2", true);
  EXPECT_EQ(sandbox::ReadFile(copy), AsText(body));
  EXPECT_EQ(sandbox::ReadFile(copy), ExpectedBody("debugged.txt", "changed content", "B2"));
}

}  // namespace
}  // namespace net
