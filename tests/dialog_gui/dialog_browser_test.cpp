#include <gtest/gtest.h>

#include "app/control_id.h"
#include "gui_support.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "publish/upload_settings.h"
#include "support/sandbox.h"

namespace {

class DialogBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox::MakeDirs(platform::GetSettingsFolder());
    platform::IniWriteString(publish::kSettingsSection, "server", "127.0.0.1:9", publish::SettingsFilePath());
    platform::IniWriteString(publish::kSettingsSection, "php_fn", "/my pages/up.php", publish::SettingsFilePath());
    dialog = gui::OpenDialog();
  }
  void TearDown() override { gui::CloseDialog(dialog); }

  app::MainDialog* dialog = nullptr;
  gui::ModalAnswerer answerer;
};

}  // namespace

TEST_F(DialogBrowser, OpensTheEditTextAsOneArgument) {
  gui::InstallOpener(0);
  gui::Click(*dialog, app::Id(app::ControlId::OpenBrowser));
  EXPECT_EQ(sandbox::ReadFile(gui::OpenerRecord()), "1\nhttps://127.0.0.1:9/my pages/data/\n");
  EXPECT_TRUE(answerer.messages.empty());
}

TEST_F(DialogBrowser, AFailingOpenerIsReportedWithTheThreeLines) {
  gui::InstallOpener(3);
  gui::Click(*dialog, app::Id(app::ControlId::OpenBrowser));
  ASSERT_EQ(answerer.messages.size(), 1u);
  EXPECT_EQ(answerer.messages[0],
            "There is no application associated with the given file name extension.\n"
            "Operation=\"open\"\nFile=\"\"\nParamaters=\"https://127.0.0.1:9/my pages/data/\"");
}
