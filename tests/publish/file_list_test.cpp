#include "publish/file_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <ctime>

#include "support/sandbox.h"

namespace publish {

TEST(FileList, DropsMergeSortedByUtf16WithoutDuplicates) {
  FileList list;
  AddDroppedFiles(list, {"/d/b.txt", "/d/B.txt", "/d/a.txt"});
  AddDroppedFiles(list, {"/d/a.txt", "/d/\xEF\xBD\xA1", "/d/\xF0\x9F\x98\x80", "/d/a.txt.bak", "/d/b.txt"});
  // The supplementary character's surrogate sorts before U+FF61; a prefix sorts first.
  const FileList expected = {"/d/B.txt", "/d/a.txt", "/d/a.txt.bak", "/d/b.txt", "/d/\xF0\x9F\x98\x80",
                             "/d/\xEF\xBD\xA1"};
  EXPECT_EQ(list, expected);

  AddDroppedFiles(list, {});
  EXPECT_EQ(list, expected);
}

TEST(FileList, SizeFieldUnitsWidthsAndSeparators) {
  EXPECT_EQ(SizeField(0), "      0 ");
  EXPECT_EQ(SizeField(5), "      5 ");
  EXPECT_EQ(SizeField(1023), "   1,023 ");
  EXPECT_EQ(SizeField(1024), "  1.00 K");
  EXPECT_EQ(SizeField(1536), "  1.50 K");
  EXPECT_EQ(SizeField(1048575), "1,024.00 K");
  EXPECT_EQ(SizeField(1048576), "  1.00 M");
  EXPECT_EQ(SizeField(999999), "976.56 K");
  EXPECT_EQ(SizeField(uint64_t{3} << 30), "  3.00 G");
  EXPECT_EQ(SizeField(uint64_t{1} << 40), "  1.00 T");
  EXPECT_EQ(SizeField(uint64_t{1} << 50), "  1.00 P");
  EXPECT_EQ(SizeField(~uint64_t{0}), " 16.00 E");
}

class FileListLine : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
  }
  // 2024-03-05 06:07:08 UTC
  static constexpr std::time_t kTime = 1709618828;

  static std::string MakeFile(const std::string& name, size_t size) {
    const std::string path = sandbox::Path("drop/" + name);
    sandbox::WriteFile(path, std::string(size, 'x'));
    const utimbuf times{kTime, kTime};
    ::utime(path.c_str(), &times);
    return path;
  }
};

TEST_F(FileListLine, ShowsDateSizeAndName) {
  EXPECT_EQ(ListLine(MakeFile("five.txt", 5)), "2024/03/05 06:07:08       5 バイト five.txt");
  EXPECT_EQ(ListLine(MakeFile("空.txt", 0)), "2024/03/05 06:07:08       0 バイト 空.txt");
  EXPECT_EQ(ListLine(MakeFile("k.bin", 1024)), "2024/03/05 06:07:08   1.00 Kバイト k.bin");
  EXPECT_EQ(ListLine(MakeFile("a\\b.txt", 2)), "2024/03/05 06:07:08       2 バイト a\\b.txt");
}

TEST_F(FileListLine, FolderAndMissingPathAreListedToo) {
  const std::string folder = sandbox::Path("drop/sub");
  sandbox::MakeDirs(folder);
  const utimbuf times{kTime, kTime};
  ::utime(folder.c_str(), &times);
  struct stat st{};
  ::stat(folder.c_str(), &st);
  EXPECT_EQ(ListLine(folder), "2024/03/05 06:07:08 " + SizeField(static_cast<uint64_t>(st.st_size)) + "バイト sub");
  EXPECT_EQ(ListLine(sandbox::Path("drop/gone.txt")), "1970/01/01 00:00:00       0 バイト gone.txt");
}

}  // namespace publish
