#include "platform/shell_exec.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/feedback.h"
#include "support/sandbox.h"

namespace {

// Keeps every message box text and answers OK.
class RecordingInterface : public platform::UserInterface {
 public:
  platform::Answer ShowMessageBox(const std::string& text, platform::BoxStyle) override {
    messages.push_back(text);
    return platform::Answer::Ok;
  }
  void ShowProgressTitle(const std::string&) override {}
  void PumpMessages() override {}
  std::vector<std::string> messages;
};

// A stand-in opener on PATH that records its arguments, one per line, and
// exits with the given status.
class ShellExec : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InstallUserInterface(&ui);
    folder = sandbox::Path(::testing::UnitTest::GetInstance()->current_test_info()->name());
    bin = folder + "/bin";
    sandbox::MakeDirs(bin);
    ::setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
  }
  void TearDown() override { platform::InstallUserInterface(nullptr); }

  void InstallOpener(int status) {
    const std::string opener = bin + "/xdg-open";
    sandbox::WriteFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + Record() + "'\nexit " +
                                   std::to_string(status) + "\n");
    ::chmod(opener.c_str(), 0755);
  }
  std::string Record() const { return folder + "/opened.txt"; }

  RecordingInterface ui;
  std::string folder;
  std::string bin;
};

}  // namespace

TEST_F(ShellExec, OpenHandsTheAddressToTheOpenerAsOneArgument) {
  InstallOpener(0);
  const std::string address = "https://127.0.0.1:8080/a b/data/$(touch x);'q'.htm";
  S_Exec exec;
  exec.SetOperation("open");
  exec.SetParameters(address);
  EXPECT_TRUE(exec.Execute());
  EXPECT_EQ(sandbox::ReadFile(Record()), "1\n" + address + "\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ShellExec, OpenerFailuresBecomeTheShellMessages) {
  InstallOpener(3);
  S_Exec exec;
  exec.SetOperation("open");
  exec.SetParameters("https://h/x/");
  EXPECT_FALSE(exec.Execute());

  InstallOpener(2);
  exec.SetParameters("/no/such/file.htm");
  EXPECT_FALSE(exec.Execute());

  InstallOpener(4);
  exec.SetParameters("https://h/y/");
  EXPECT_FALSE(exec.Execute());

  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0],
            "There is no application associated with the given file name extension.\n"
            "Operation=\"open\"\nFile=\"\"\nParamaters=\"https://h/x/\"");
  EXPECT_EQ(ui.messages[1],
            "The specified file was not found.\nOperation=\"open\"\nFile=\"\"\nParamaters=\"/no/such/file.htm\"");
  EXPECT_EQ(ui.messages[2], "Error\n\nhttps://h/y/\nOperation=\"open\"\nFile=\"\"\nParamaters=\"https://h/y/\"");
}

TEST_F(ShellExec, WithoutAnOpenerThereIsNoHandler) {
  ::setenv("PATH", bin.c_str(), 1);
  S_Exec exec;
  exec.SetOperation("open");
  exec.SetParameters("https://h/");
  EXPECT_FALSE(exec.Execute());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0],
            "There is no application associated with the given file name extension.\n"
            "Operation=\"open\"\nFile=\"\"\nParamaters=\"https://h/\"");
}

TEST_F(ShellExec, AProgramFileRunsWithItsParametersAndAMissingOneIsNotFound) {
  InstallOpener(0);
  const std::string program = bin + "/record-args";
  sandbox::WriteFile(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + Record() + "'\n");
  ::chmod(program.c_str(), 0755);
  S_Exec exec;
  exec.SetOperation("open");
  exec.SetFile(program);
  exec.SetParameters("one \"two three\"");
  EXPECT_TRUE(exec.Execute());
  for (int i = 0; i < 500 && sandbox::ReadFile(Record()).empty(); ++i) ::usleep(10000);
  EXPECT_EQ(sandbox::ReadFile(Record()), "one\ntwo three\n");

  S_Exec missing;
  missing.SetFile(bin + "/gone");
  EXPECT_FALSE(missing.Execute());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "The specified file was not found.\nOperation=\"\"\nFile=\"" + bin +
                                "/gone\"\nParamaters=\"\"");
}

TEST_F(ShellExec, SetFileLooksInTheProgramFolders) {
  S_Exec exec;
  exec.SetFile("sh");
  EXPECT_TRUE(exec.File() == "/usr/bin/sh" || exec.File() == "/bin/sh") << exec.File();
  exec.SetFile("https://example.invalid/page.htm");
  EXPECT_EQ(exec.File(), "https://example.invalid/page.htm");
  exec.SetFile(bin);
  EXPECT_EQ(exec.File(), bin);
}

TEST(ShellErrorText, TableRowsAndTheErrorRow) {
  EXPECT_EQ(ShellErrorText(26, "print", "a.txt", ""),
            "A sharing violation occurred.\nOperation=\"print\"\nFile=\"a.txt\"\nParamaters=\"\"");
  EXPECT_EQ(ShellErrorText(13, "open", "f", "p"), "Error\nf\np\nOperation=\"open\"\nFile=\"f\"\nParamaters=\"p\"");
  EXPECT_TRUE(ShellErrorText(0, "", "", "").starts_with("The operating system is out of memory or resources.\n"));
}
