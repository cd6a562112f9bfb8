#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_io.h"
#include "platform/file_operations.h"
#include "platform/file_status.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"

namespace {

platform::Bytes AsBytes(const std::string& text) { return platform::Bytes(text.begin(), text.end()); }

}  // namespace

TEST(FileServices, EmptyFilesAndFoldersInExistenceTests) {
  const std::string empty = sandbox::Path("empty.txt");
  const std::string full = sandbox::Path("full.txt");
  sandbox::WriteFile(empty, "");
  sandbox::WriteFile(full, "x");
  EXPECT_TRUE(platform::FileExists(empty));
  EXPECT_FALSE(platform::FileExists(empty, true));
  EXPECT_FALSE(platform::FileExists(sandbox::Path("missing")));
  EXPECT_TRUE(platform::FolderExists(sandbox::Root()));
  EXPECT_FALSE(platform::FolderExists(full));
  EXPECT_FALSE(platform::FolderExists("/" + full));   // "//" begins a local path here
}

TEST(FileServices, CreateFolderBuildsTheMissingLevelsOfAChain) {
  sandbox::MakeDirs(sandbox::Path("one"));
  EXPECT_TRUE(platform::CreateFolder(sandbox::Path("one/two/a\\b/")));
  EXPECT_TRUE(platform::FolderExists(sandbox::Path("one/two")));
  EXPECT_TRUE(platform::FolderExists(sandbox::Path("one/two/a\\b")));
  EXPECT_TRUE(platform::CreateFolder(sandbox::Path("one/two/a\\b")));
  sandbox::WriteFile(sandbox::Path("plain"), "p");
  EXPECT_FALSE(platform::CreateFolder(sandbox::Path("plain/sub/deeper")));
  EXPECT_FALSE(platform::FolderExists(sandbox::Path("plain/sub")));
  EXPECT_NE(DebugLogText().find("\tCan't create " + sandbox::Path("plain") + "\r\n"), std::string::npos);
}

TEST(FileServices, OpenFileWaitTriesEvery100msForTheGivenSeconds) {
  ManualClock clock;
  const std::string missing = sandbox::Path("nowhere/file");
  EXPECT_EQ(platform::OpenFileWait(missing, "rb", 0), nullptr);
  EXPECT_TRUE(clock.Sleeps().empty());
  EXPECT_EQ(platform::OpenFileWait(missing, "rb", 2), nullptr);
  EXPECT_EQ(clock.Sleeps(), std::vector<unsigned>(19, 100));
}

TEST(FileServices, WriteAndReadRoundTripIncludingEmptyFiles) {
  const std::string path = sandbox::Path("data.bin");
  const platform::Bytes data{0, 1, 0xFF, '\r', '\n', 0};
  EXPECT_TRUE(platform::WriteFileBytes(path, data));
  EXPECT_EQ(platform::ReadFileBytes(path), data);
  EXPECT_TRUE(platform::WriteFileBytes(path, {}));
  EXPECT_EQ(sandbox::ReadFile(path), "");
}

TEST(FileServices, ReadReturnsWhatTheFileHoldsNotWhatItsStatusSaid) {
  // Files of /proc report size 0 yet have content: the read must not trust the size.
  const platform::Bytes bytes = platform::ReadFileBytes("/proc/self/status");
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "Name:");
  EXPECT_EQ(bytes.back(), '\n');
}

TEST(FileServices, FailedReadsAndWritesAreReportedAndLogged) {
  ManualClock clock;
  EXPECT_TRUE(platform::ReadFileBytes(sandbox::Path("missing")).empty());
  EXPECT_EQ(clock.Sleeps().size(), 99u);
  EXPECT_NE(DebugLogText().find("\tCan't open rb  " + sandbox::Path("missing") + "\r\n"), std::string::npos);
  EXPECT_FALSE(platform::WriteFileBytes("/dev/full", AsBytes("lost")));  // a full disk is no success
  // /dev/null takes every byte and always reports size 0.
  EXPECT_FALSE(platform::WriteFileBytes("/dev/null", AsBytes("gone")));
  EXPECT_EQ(clock.Sleeps().size(), 99u + 11u);
}

TEST(FileServices, CopyReplacesOnlyARegularFile) {
  const std::string a = sandbox::Path("a.txt");
  const std::string b = sandbox::Path("b.txt");
  sandbox::WriteFile(a, "new");
  sandbox::WriteFile(b, "old and longer");
  EXPECT_TRUE(platform::CopyFileOver(a, b));
  EXPECT_EQ(sandbox::ReadFile(b), "new");
  const std::string fifo = sandbox::Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(platform::CopyFileOver(a, fifo));
  EXPECT_FALSE(platform::FileStatus(fifo).IsRegularFile());
}
