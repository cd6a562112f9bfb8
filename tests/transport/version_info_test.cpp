// Version values of the program's own file and of other files; program lookup.
#include "platform/version_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "platform/folders.h"
#include "support/sandbox.h"

namespace {

constexpr const char* kNoValue = "_____________________";

TEST(VersionInfo, OwnProgramFileCarriesTheBuildValues) {
  FVersion wide(GetModulePath());
  EXPECT_EQ(wide.GetOriginalFilename(), WXPUB_PROGRAM_NAME);
  EXPECT_EQ(wide.GetFileVersion(), WXPUB_VERSION);
  EXPECT_EQ(wide.GetProductVersion(), WXPUB_VERSION);
  EXPECT_FALSE(wide.GetLegalCopyright().empty());
  testing::internal::CaptureStderr();
  EXPECT_EQ(wide.GetCompanyName(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "::VerQueryValue ...   \\StringFileInfo\\041104b0\\CompanyName\n");

  const FileVer reader(GetModulePath());
  EXPECT_FALSE(reader.IsError());
  EXPECT_EQ(reader.GetOriginalFilename(), WXPUB_PROGRAM_NAME);
  EXPECT_EQ(reader.GetFileVersion(), WXPUB_VERSION);
  EXPECT_EQ(reader.GetCompanyName(), kNoValue);
}

TEST(VersionInfo, LinkToTheProgramReadsLikeTheProgram) {
  const std::string link = sandbox::Path("version/renamed_tool");
  sandbox::MakeDirs(sandbox::Path("version"));
  std::filesystem::create_symlink(GetModulePath(), link);
  EXPECT_EQ(FileVer(link).GetOriginalFilename(), WXPUB_PROGRAM_NAME);
}

TEST(VersionInfo, FileWithoutValues) {
  const std::string other = sandbox::Path("version/plain.txt");
  sandbox::WriteFile(other, "text");
  testing::internal::CaptureStderr();
  EXPECT_EQ(FVersion(other).GetFileVersion(), "");
  EXPECT_NE(testing::internal::GetCapturedStderr().find("::GetFileVersionInfoSize ... 0\n"), std::string::npos);

  const FileVer plain(other);
  EXPECT_EQ(plain.GetFileVersion(), kNoValue);
  EXPECT_FALSE(plain.IsError());

  const FileVer missing(sandbox::Path("version/none.exe"));
  EXPECT_EQ(missing.GetOriginalFilename(), "FileIsNothing");
  EXPECT_TRUE(missing.IsError());
  EXPECT_EQ(FileVer("").GetProductVersion(), "FileNameIsEmpty");
}

TEST(VersionInfo, WhichSearchesThePath) {
  const std::string folder = sandbox::Path("which/bin");
  const std::string program = folder + "/wx_tool";
  sandbox::WriteFile(program, "#!/bin/sh\n");
  sandbox::WriteFile(folder + "/not_runnable", "");
  ::chmod(program.c_str(), 0755);
  const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (sandbox::Path("which/empty") + ":" + folder + ":" + savedPath).c_str(), 1);

  EXPECT_EQ(get_which("  wx_tool "), program);
  EXPECT_EQ(get_which("not_runnable"), "");
  EXPECT_EQ(get_which("no_such_program_here"), "");
  EXPECT_EQ(get_which("   "), "");
  EXPECT_EQ(get_which(folder + "/not_runnable"), folder + "/not_runnable");
  EXPECT_EQ(get_which(folder + "/missing"), "");
  ::setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
