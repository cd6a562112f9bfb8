// The request body of one file, byte for byte, and its debug copy.
#include <gtest/gtest.h>

#include <string>

#include "platform/file_io.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "support/sandbox.h"
#include "upfile/post_files.h"

namespace {

std::string AsText(const platform::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string ExpectedBody(const std::string& filename, const std::string& content, const std::string& boundary) {
  return "--" + boundary + "\r\n" + "Content-Disposition: form-data; name=\"file_img\"; filename=\"" + filename +
         "\"\r\n" + "Content-Type: application/octet-stream\r\n\r\n" + content + "\r\n--" + boundary + "--\r\n";
}

TEST(PostFilesFormData, BoundaryIsTwentyThreeCharactersEndingInTheTime) {
  const std::string boundary = MakeBoundary();
  ASSERT_EQ(boundary.size(), 23u);
  EXPECT_EQ(boundary.substr(0, 17), "-----upfile.hxx__");
  EXPECT_EQ(boundary.substr(17).find_first_not_of("0123456789"), std::string::npos);
}

TEST(PostFilesFormData, BodyCarriesTheFileUnchangedBetweenTheRows) {
  std::string content;
  for (int value = 0; value < 256; ++value) content += static_cast<char>(value);
  const std::string path = sandbox::Path("form/bytes.bin");
  sandbox::WriteFile(path, content);
  EXPECT_EQ(AsText(make_form_data(path, "-----upfile.hxx__123456")),
            ExpectedBody("bytes.bin", content, "-----upfile.hxx__123456"));

  const std::string empty = sandbox::Path("form/empty.txt");
  sandbox::WriteFile(empty, "");
  EXPECT_EQ(AsText(make_form_data(empty, "B")), ExpectedBody("empty.txt", "", "B"));

  const std::string japanese = sandbox::Path("form/写真 一覧.txt");
  sandbox::WriteFile(japanese, "x");
  EXPECT_EQ(AsText(make_form_data(japanese, "B")), ExpectedBody("写真 一覧.txt", "x", "B"));
}

TEST(PostFilesFormData, FileNameIsEscapedAsBrowsersDo) {
  EXPECT_EQ(EscapeFormFileName("a\"b\r\nc%22;'\\.txt"), "a%22b%0D%0Ac%22;'\\.txt");
  const std::string path = sandbox::Path("form/say \"hi\".txt");
  sandbox::WriteFile(path, "hi");
  EXPECT_EQ(AsText(make_form_data(path, "B")), ExpectedBody("say %22hi%22.txt", "hi", "B"));
}

TEST(PostFilesFormData, UnreadableFileGivesNoBody) {
  EXPECT_TRUE(make_form_data(sandbox::Path("form/missing.bin"), "B").empty());
  EXPECT_TRUE(make_form_data(sandbox::Path("form"), "B").empty());
}

TEST(PostFilesFormData, DebugSettingKeepsACopyOfEveryBody) {
  const std::string path = sandbox::Path("form/debugged.txt");
  sandbox::WriteFile(path, "content");
  const std::string copy = GetDatedTempFolder() + "debugged.txt.txt";
  make_form_data(path, "B1");
  EXPECT_FALSE(platform::FileExists(copy));

  make_form_data(path, "B1", true);
  sandbox::WriteFile(path, "changed content");
  const platform::Bytes body = make_form_data(path, "B2", true);
  EXPECT_EQ(sandbox::ReadFile(copy), AsText(body));
  EXPECT_EQ(sandbox::ReadFile(copy), ExpectedBody("debugged.txt", "changed content", "B2"));
}

}  // namespace
