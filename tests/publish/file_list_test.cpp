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

}  // namespace publish
