// Earlier copies kept under numbered names.
#include "net/move_aside.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/file_status.h"
#include "platform/fs/folder_walk.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"

namespace net {

TEST(MoveAside, NamesWithoutOrWithSeveralExtensions) {
  EXPECT_EQ(NumberedName("/d/data", 7), "/d/data.007");
  EXPECT_EQ(NumberedName("/d/a.b.txt", 12), "/d/a.b.012.txt");
  EXPECT_EQ(NumberedName("/d.x/page.htm", 999), "/d.x/page.999.htm");
}

TEST(MoveAside, TheFirstFreeNumberFromZeroTakesEvenAnEmptyFile) {
  const std::string folder = sandbox::Path("aside/"), path = folder + "page.htm";
  std::filesystem::create_directories(folder + "folder.htm");
  EXPECT_EQ(MoveAside(path), "");
  EXPECT_EQ(MoveAside(folder + "folder.htm"), "");
  sandbox::WriteFile(folder + "page.001.htm", "taken");
  for (const auto& [body, moved] : std::vector<std::pair<std::string, std::string>>{
           {"", "page.000.htm"}, {"second", "page.002.htm"}, {"third", "page.003.htm"}}) {
    sandbox::WriteFile(path, body);
    EXPECT_EQ(MoveAside(path), folder + moved);
    EXPECT_EQ(sandbox::ReadFile(folder + moved), body);
    EXPECT_FALSE(platform::FileExists(path));
  }
}

TEST(MoveAside, AllNamesTakenReplacesTheOldestCopy) {
  const std::string folder = sandbox::Path("full/"), path = folder + "_.htm";
  // Copy 417 is the oldest; the others follow in counter order.
  for (int counter = 0; counter < 1000; ++counter)
    page_test::MakeFile(NumberedName(path, counter), std::to_string(counter), 1600000000 + counter - (counter == 417) * 3000);
  sandbox::WriteFile(path, "newest");
  EXPECT_EQ(MoveAside(path), NumberedName(path, 417));
  EXPECT_EQ(sandbox::ReadFile(NumberedName(path, 417)), "newest");
  EXPECT_EQ(sandbox::ReadFile(NumberedName(path, 0)), "0");
  EXPECT_EQ(platform::ListFolder(folder).size(), 1000u);
}

}  // namespace net
