#include "publish/file_list.h"

#include <gtest/gtest.h>

namespace publish {

TEST(FileList, DropsMergeSortedByUtf16WithoutDuplicates) {
  FileList list;
  AddDroppedFiles(list, {"/d/b.txt", "/d/B.txt", "/d/a.txt"});
  AddDroppedFiles(list, {"/d/a.txt", "/d/\xEF\xBD\xA1", "/d/\xF0\x9F\x98\x80", "/d/a.txt.bak", "/d/b.txt"});
  // The supplementary character's surrogate sorts before U+FF61; a prefix sorts first.
  EXPECT_EQ(list, (FileList{"/d/B.txt", "/d/a.txt", "/d/a.txt.bak", "/d/b.txt", "/d/\xF0\x9F\x98\x80", "/d/\xEF\xBD\xA1"}));
}

// Sizes below 1 MiB are shown in the dialog's list.
TEST(FileList, SizeFieldOfTheLargerUnits) {
  const std::pair<uint64_t, const char*> cases[] = {
      {999999, "976.56 K"},           {1048576, "  1.00 M"},           {uint64_t{3} << 30, "  3.00 G"},
      {uint64_t{1} << 40, "  1.00 T"}, {uint64_t{1} << 50, "  1.00 P"}, {~uint64_t{0}, " 16.00 E"},
  };
  for (const auto& [size, field] : cases) EXPECT_EQ(SizeField(size), field) << size;
}

}  // namespace publish
