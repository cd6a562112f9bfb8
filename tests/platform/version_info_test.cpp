// Version values of the program's own file and of other files; program lookup.
#include "platform/version_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
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

TEST(VersionInfo, WhichSearchesThePath) {
  const std::string folder = sandbox::Path("which/bin");
  const std::string program = folder + "/wx_tool";
  sandbox::WriteFile(program, "#!/bin/sh\n");
  sandbox::WriteFile(folder + "/not_runnable", "");
  ::chmod(program.c_str(), 0755);
  const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (sandbox::Path("which/empty") + ":" + folder + ":" + savedPath).c_str(), 1);

  EXPECT_EQ(platform::FindProgram("  wx_tool "), program);
  EXPECT_EQ(platform::FindProgram("not_runnable"), "");
  EXPECT_EQ(platform::FindProgram("no_such_program_here"), "");
  EXPECT_EQ(platform::FindProgram("   "), "");
  EXPECT_EQ(platform::FindProgram(folder + "/not_runnable"), folder + "/not_runnable");
  EXPECT_EQ(platform::FindProgram(folder + "/missing"), "");
  ::setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
