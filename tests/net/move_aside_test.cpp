// Earlier copies kept under numbered names.
#include <gtest/gtest.h>

#include <filesystem>

#include "net/move_aside.h"
#include "platform/file_status.h"
#include "platform/folder_walk.h"
#include "support/sandbox.h"

namespace {

using namespace net;

TEST(MoveAside, NamesWithoutOrWithSeveralExtensions) {
  EXPECT_EQ(NumberedName("/d/data", 7), "/d/data.007");
  EXPECT_EQ(NumberedName("/d/a.b.txt", 12), "/d/a.b.012.txt");
  EXPECT_EQ(NumberedName("/d.x/page.htm", 999), "/d.x/page.999.htm");
}

TEST(MoveAside, TheFirstFreeNumberFromZeroTakesEvenAnEmptyFile) {
  const std::string folder = sandbox::Path("aside/");
  sandbox::MakeDirs(folder);
  const std::string path = folder + "page.htm";
  EXPECT_EQ(MoveAside(path), "");
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
  const std::string folder = sandbox::Path("full/");
  sandbox::MakeDirs(folder);
  const std::string path = folder + "_.htm";
  const auto base = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  for (int counter = 0; counter < 1000; ++counter) {
    const std::string copy = NumberedName(path, counter);
    sandbox::WriteFile(copy, std::to_string(counter));
    // Copy 417 is the oldest; the others follow in counter order.
    const auto age = counter == 417 ? std::chrono::minutes(50) : std::chrono::minutes(0);
    std::filesystem::last_write_time(copy, base + std::chrono::seconds(counter) - age);
  }
  sandbox::WriteFile(path, "newest");
  EXPECT_EQ(MoveAside(path), NumberedName(path, 417));
  EXPECT_EQ(sandbox::ReadFile(NumberedName(path, 417)), "newest");
  EXPECT_EQ(sandbox::ReadFile(NumberedName(path, 0)), "0");
  EXPECT_FALSE(platform::FileExists(path));
  EXPECT_EQ(platform::ListFolder(folder).size(), 1000u);
}

}  // namespace
