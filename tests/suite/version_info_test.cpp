// The version values of other files than the program's own.
#include "suite/version_info.h"

#include <gtest/gtest.h>

#include "support/sandbox.h"

using namespace suite;

TEST(VersionInfo, WithoutAFileThereIsAStatus) {
  EXPECT_EQ(VersionInfo(sandbox::Path("none.exe")).OriginalFilename(), "FileIsNothing");
  EXPECT_EQ(VersionInfo("").Value("ProductVersion"), "FileNameIsEmpty");
}
