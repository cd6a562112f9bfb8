#include <gtest/gtest.h>

#include <filesystem>

#include <clocale>
#include <ctime>

#include "app/control_id.h"
#include "gui_support.h"
#include "platform/fs/file_status.h"
#include "support/page_fixture.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace {

// 2024-03-05 06:07:08 UTC
constexpr std::time_t kTime = 1709618828;
const std::string kDate = "2024/03/05 06:07:08 ";

// Files named at start (their bytes kept under the C locale, one that cannot
// be read reported once the window is up) and drops on the window and on the
// list box make one list, sorted and without duplicates; clearing it leaves
// the address and an empty list for the next drop.
TEST(DialogList, StartFilesAndDropsMakeOneSortedListThatClearingEmpties) {
  const ScopedEnv utc("TZ", std::string("UTC"));
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;
  const std::string drop = sandbox::Path("drop/");
  for (const auto& [name, size] : std::vector<std::pair<std::string, size_t>>{
           {"写真.txt", 5}, {"caf\xe9.txt", 1023}, {"b.txt", 0}, {"B.txt", 1024}})
    page_test::MakeFile(drop + name, std::string(size, 'x'), kTime);
  std::string arguments[] = {"wx_pub", drop + "写真.txt", drop + "caf\xe9.txt", drop + "gone.txt"};
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  dialog->DropStartFiles({platform::AbsolutePath(arguments[1]), platform::AbsolutePath(arguments[2]),
                          platform::AbsolutePath(arguments[3])});
  gui::ProcessPending();
  std::setlocale(LC_ALL, locale.c_str());
  gui::Drop(*dialog, {drop + "b.txt"});
  gui::Drop(*dialog->FindWindow(app::Id(app::ControlId::List)), {drop + "B.txt", arguments[1]});

  EXPECT_EQ(gui::ListLines(*dialog), (std::vector<std::string>{kDate + "  1.00 Kバイト B.txt", kDate + "      0 バイト b.txt",
                                                               kDate + "   1,023 バイト caf\uFFFD.txt",
                                                               "1970/01/01 00:00:00       0 バイト gone.txt",
                                                               kDate + "      5 バイト 写真.txt"}));
  EXPECT_EQ(answerer.messages, std::vector<std::string>{"読めないファイルがあります。\nファイル: " + arguments[3] +
                                                        "\n理由: No such file or directory"});
  gui::Click(*dialog, app::Id(app::ControlId::ClearList));
  EXPECT_TRUE(gui::ListLines(*dialog).empty());
  EXPECT_EQ(gui::EditText(*dialog), "https://localhost/z_Suite/upload/share/data/");
  std::filesystem::create_directories(drop + "folder");
  gui::Drop(*dialog, {arguments[1], drop + "folder"});
  gui::ProcessPending();
  EXPECT_EQ(gui::ListLines(*dialog), std::vector<std::string>{kDate + "      5 バイト 写真.txt"});
  EXPECT_EQ(answerer.messages.back(), "フォルダーは公開できません:\n" + drop + "folder");
  gui::CloseDialog(dialog);
}

}  // namespace
