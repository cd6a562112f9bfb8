#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "app/dialog_ids.h"
#include "gui_support.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "support/sandbox.h"
#include "upfile/upload_settings.h"

namespace {

// A stand-in `xdg-open` first on PATH: records its arguments, then exits with
// the given status.
class DialogBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox::MakeDirs(GetSettingsFolder());
    IniWriteString(kSettingsSection, "server", "127.0.0.1:9", SettingsFilePath());
    IniWriteString(kSettingsSection, "php_fn", "/my pages/up.php", SettingsFilePath());
    const std::string bin = sandbox::Path("bin");
    sandbox::MakeDirs(bin);
    ::setenv("PATH", (bin + ":/usr/bin:/bin").c_str(), 1);
    dialog = gui::OpenDialog();
  }
  void TearDown() override { gui::CloseDialog(dialog); }

  void InstallOpener(int status) {
    const std::string opener = sandbox::Path("bin/xdg-open");
    sandbox::WriteFile(opener, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + Record() + "'\nexit " +
                                   std::to_string(status) + "\n");
    ::chmod(opener.c_str(), 0755);
  }
  static std::string Record() { return sandbox::Path("opened.txt"); }

  CWx_pubDlg* dialog = nullptr;
  gui::ModalAnswerer answerer;
};

}  // namespace

TEST_F(DialogBrowser, OpensTheEditTextAsOneArgument) {
  InstallOpener(0);
  gui::Click(*dialog, kIdOpenBrowser);
  EXPECT_EQ(sandbox::ReadFile(Record()), "1\nhttps://127.0.0.1:9/my pages/data/\n");
  EXPECT_TRUE(answerer.messages.empty());
}

TEST_F(DialogBrowser, AFailingOpenerIsReportedWithTheThreeLines) {
  InstallOpener(3);
  gui::Click(*dialog, kIdOpenBrowser);
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_EQ(answerer.messages[0],
            "There is no application associated with the given file name extension.\n"
            "Operation=\"open\"\nFile=\"\"\nParamaters=\"https://127.0.0.1:9/my pages/data/\"");
}
