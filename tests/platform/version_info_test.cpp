// Version values of the program's own file and of other files.
#include "platform/version_info.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system_places.h"
#include "support/sandbox.h"

namespace {

constexpr const char* kNoValue = "_____________________";

TEST(VersionInfo, OwnProgramFileCarriesTheBuildValues) {
  const platform::VersionInfo version(platform::ProgramPath());
  EXPECT_EQ(version.OriginalFilename(), WXPUB_PROGRAM_NAME);
  EXPECT_EQ(version.FileVersion(), WXPUB_VERSION);
  EXPECT_EQ(version.Value("ProductVersion"), WXPUB_VERSION);
  EXPECT_FALSE(version.LegalCopyright().empty());
  EXPECT_EQ(version.Find("CompanyName"), std::nullopt);
  EXPECT_EQ(version.Value("CompanyName"), kNoValue);
}

TEST(VersionInfo, LinkToTheProgramReadsLikeTheProgram) {
  const std::string link = sandbox::Path("version/renamed_tool");
  sandbox::MakeDirs(sandbox::Path("version"));
  std::filesystem::create_symlink(platform::ProgramPath(), link);
  EXPECT_EQ(platform::VersionInfo(link).OriginalFilename(), WXPUB_PROGRAM_NAME);
}

TEST(VersionInfo, FileWithoutValues) {
  const std::string other = sandbox::Path("version/plain.txt");
  sandbox::WriteFile(other, "text");
  const platform::VersionInfo plain(other);
  EXPECT_EQ(plain.Find("FileVersion"), std::nullopt);
  EXPECT_EQ(plain.FileVersion(), kNoValue);

  EXPECT_EQ(platform::VersionInfo(sandbox::Path("version/none.exe")).OriginalFilename(), "FileIsNothing");
  EXPECT_EQ(platform::VersionInfo("").Value("ProductVersion"), "FileNameIsEmpty");
}

}  // namespace
