#include "cli/command_line.h"
#include "cli/progress_meter.h"

#include <gtest/gtest.h>

#include "program_run.h"
#include "support/sandbox.h"

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

// What the program answers without a display: status, and a text each of its
// standard output and standard error hold.
TEST(CommandLine, AnswersWithoutADisplay) {
  const std::string folder = sandbox::Path("preview");
  sandbox::WriteFile(folder + "/a.png", "png");
  const struct {
    std::vector<std::string> arguments;
    int status;
    std::string out, err;
  } cases[] = {
      {{"--uplaod", "a.txt"}, 2, "", "'--uplaod'"},
      {{"a.txt", "-x"}, 2, "", "wx_pub --help"},
      {{"--upload", "--verbose", "a.txt"}, 2, "", "wx_pub --help"},
      {{"--page"}, 2, "", "wx_pub --help"},
      {{"--page", ".", "sub/page.htm"}, 2, "", "wx_pub --help"},
      {{"--version"}, 0, std::string("wx_pub ") + WXPUB_VERSION + "\n", ""},
      {{"--help"}, 0, "--upload", ""},
      {{"--help"}, 0, "--page", ""},
      {{"--help"}, 0, "--version", ""},
      {{"--page", folder}, 0, folder + "/index.htm\n", ""},
      {{"--page", folder, "preview.html"}, 0, folder + "/preview.html\n", ""},
      {{"--page", sandbox::Path("no_such_folder")}, 1, "", "no_such_folder"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunWxPub(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments[0] << run.err;
    if (c.status == 0 && c.arguments[0] != "--help") EXPECT_EQ(run.out, c.out);
    else if (c.status == 0) EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
    else EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
  EXPECT_NE(sandbox::ReadFile(folder + "/index.htm").find("a.png"), std::string::npos);
  EXPECT_NE(sandbox::ReadFile(folder + "/preview.html").find("a.png"), std::string::npos);
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
