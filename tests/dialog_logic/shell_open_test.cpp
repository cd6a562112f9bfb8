#include "platform/shell_open.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "app/open_in_browser.h"
#include "platform/feedback.h"
#include "support/recording_ui.h"
#include "support/sandbox.h"

namespace {

// A stand-in opener on PATH that records its arguments, one per line, and
// exits with the given status.
class ShellOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = sandbox::Path(::testing::UnitTest::GetInstance()->current_test_info()->name());
    bin = folder + "/bin";
    sandbox::MakeDirs(bin);
    ::setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
  }

  void InstallOpener(int status) {
    const std::string opener = bin + "/xdg-open";
    sandbox::WriteFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + Record() + "'\nexit " +
                                   std::to_string(status) + "\n");
    ::chmod(opener.c_str(), 0755);
  }
  std::string Record() const { return folder + "/opened.txt"; }

  RecordingUi ui;
  std::string folder;
  std::string bin;
};

}  // namespace

TEST_F(ShellOpen, OpenHandsTheAddressToTheOpenerAsOneArgument) {
  InstallOpener(0);
  const std::string address = "https://127.0.0.1:8080/a b/data/$(touch x);'q'.htm";
  EXPECT_TRUE(app::OpenInBrowser(address));
  EXPECT_EQ(sandbox::ReadFile(Record()), "1\n" + address + "\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ShellOpen, OpenerFailuresBecomeTheShellMessages) {
  InstallOpener(3);
  EXPECT_FALSE(app::OpenInBrowser("https://h/x/"));
  InstallOpener(2);
  EXPECT_FALSE(app::OpenInBrowser("/no/such/file.htm"));
  InstallOpener(4);
  EXPECT_FALSE(app::OpenInBrowser("https://h/y/"));

  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0],
            "There is no application associated with the given file name extension.\n"
            "Operation=\"open\"\nFile=\"\"\nParamaters=\"https://h/x/\"");
  EXPECT_EQ(ui.messages[1],
            "The specified file was not found.\nOperation=\"open\"\nFile=\"\"\nParamaters=\"/no/such/file.htm\"");
  EXPECT_EQ(ui.messages[2], "Error\n\nhttps://h/y/\nOperation=\"open\"\nFile=\"\"\nParamaters=\"https://h/y/\"");
}

TEST_F(ShellOpen, WithoutAnOpenerThereIsNoHandler) {
  ::setenv("PATH", bin.c_str(), 1);
  EXPECT_EQ(platform::ShellOpen("https://h/"), platform::ShellResult::NoHandler);
  EXPECT_EQ(platform::ShellErrorText(platform::ShellResult::NoHandler, "https://h/"),
            "There is no application associated with the given file name extension.\n"
            "Operation=\"open\"\nFile=\"\"\nParamaters=\"https://h/\"");
}
