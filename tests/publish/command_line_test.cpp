#include "cli/command_line.h"
#include "cli/progress_meter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "program_run.h"
#include "support/sandbox.h"

namespace fs = std::filesystem;

namespace {

std::optional<int> RunInProcess(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "wx_pub");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return cli::RunCommandLine(static_cast<int>(arguments.size()), argv.data());
}

TEST(CommandLine, LeavesPlainFilesAndNoArgumentsToTheDialog) {
  EXPECT_EQ(RunInProcess({}), std::nullopt);
  EXPECT_EQ(RunInProcess({"a.txt", "-", "b.png"}), std::nullopt);
}

TEST(CommandLine, RefusesUnknownOptionsWithStatusTwo) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--uplaod", "a.txt"}, {"a.txt", "-x"}, {"--upload", "--verbose", "a.txt"},
        {"--page"}, {"--page", ".", "sub/page.htm"}}) {
    const ProgramRun run = RunWxPub(arguments);
    EXPECT_EQ(run.status, 2) << arguments[0];
    EXPECT_NE(run.err.find("wx_pub --help"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
  EXPECT_NE(RunWxPub({"--uplaod"}).err.find("'--uplaod'"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  const ProgramRun help = RunWxPub({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--upload", "--page", "--version"}) EXPECT_NE(help.out.find(option), std::string::npos);
  const ProgramRun version = RunWxPub({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("wx_pub ") + WXPUB_VERSION + "\n");
}

TEST(CommandLine, PageWritesTheIndexPageOfAFolderAndPrintsItsPath) {
  const std::string folder = sandbox::Path("preview");
  sandbox::WriteFile(folder + "/a.png", "png");
  const ProgramRun defaultName = RunWxPub({"--page", folder});
  EXPECT_EQ(defaultName.status, 0) << defaultName.err;
  EXPECT_EQ(defaultName.out, folder + "/index.htm\n");
  EXPECT_NE(sandbox::ReadFile(folder + "/index.htm").find("a.png"), std::string::npos);

  const ProgramRun named = RunWxPub({"--page", folder, "preview.html"});
  EXPECT_EQ(named.status, 0);
  EXPECT_EQ(named.out, folder + "/preview.html\n");
  EXPECT_TRUE(fs::exists(folder + "/preview.html"));

  const ProgramRun missing = RunWxPub({"--page", sandbox::Path("no_such_folder")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no_such_folder"), std::string::npos);
}

TEST(CommandLine, TheMeterShowsFilesDoneAndTheBytesOfTheCurrentFileInTheUnitOfItsTotal) {
  struct Case {
    size_t done, all;
    uint64_t sent, total;
    const char* line;
  };
  for (const Case& c : {Case{0, 3, 0, 0, "0/3 files"}, Case{1, 3, 512, 1000, "1/3 files  512 of 1000 B"},
                        Case{2, 5, 1536, 4096, "2/5 files  1.5 of 4.0 KiB"},
                        Case{9, 10, 2621440, 10485760, "9/10 files  2.5 of 10.0 MiB"}})
    EXPECT_EQ(cli::MeterLine(c.done, c.all, c.sent, c.total), c.line);
}

}  // namespace
