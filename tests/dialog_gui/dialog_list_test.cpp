#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "app/control_id.h"
#include "cli/command_line.h"
#include "gui_support.h"
#include "support/sandbox.h"

namespace {

// 2024-03-05 06:07:08 UTC
constexpr std::time_t kTime = 1709618828;
constexpr const char* kDate = "2024/03/05 06:07:08 ";

std::string MakeFile(const std::string& name, size_t size) {
  const std::string path = sandbox::Path("drop/" + name);
  sandbox::WriteFile(path, std::string(size, 'x'));
  const utimbuf times{kTime, kTime};
  ::utime(path.c_str(), &times);
  return path;
}

class DialogList : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    dialog = gui::OpenDialog();
  }
  void TearDown() override { gui::CloseDialog(dialog); }
  app::MainDialog* dialog = nullptr;
};

}  // namespace

TEST_F(DialogList, TwoDropsGiveOneSortedListWithoutDuplicates) {
  const std::string b = MakeFile("b.txt", 5);
  const std::string upperB = MakeFile("B.txt", 0);
  const std::string a = MakeFile("a.txt", 1023);
  gui::Drop(*dialog, {b, a});
  // The second drop lands on the list box: each control takes drops itself.
  gui::Drop(*dialog->FindWindow(app::Id(app::ControlId::List)), {upperB, b});

  EXPECT_EQ(dialog->GetFileList(), (publish::FileList{upperB, a, b}));
  const std::vector<std::string> expected = {
      std::string(kDate) + "      0 バイト B.txt",
      std::string(kDate) + "   1,023 バイト a.txt",
      std::string(kDate) + "      5 バイト b.txt",
  };
  EXPECT_EQ(gui::ListLines(*dialog), expected);
}

TEST_F(DialogList, LinesShowTheSizeFieldForEveryUnit) {
  const std::string folder = sandbox::Path("drop/zz folder");
  sandbox::MakeDirs(folder);
  const utimbuf times{kTime, kTime};
  ::utime(folder.c_str(), &times);
  gui::Drop(*dialog, {MakeFile("s0", 0), MakeFile("s1", 5), MakeFile("s2", 1023), MakeFile("s3", 1024),
                      MakeFile("s4", 1536), MakeFile("s5", 1048575), folder});

  const std::vector<std::string> lines = gui::ListLines(*dialog);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], std::string(kDate) + "      0 バイト s0");
  EXPECT_EQ(lines[1], std::string(kDate) + "      5 バイト s1");
  EXPECT_EQ(lines[2], std::string(kDate) + "   1,023 バイト s2");
  EXPECT_EQ(lines[3], std::string(kDate) + "  1.00 Kバイト s3");
  EXPECT_EQ(lines[4], std::string(kDate) + "  1.50 Kバイト s4");
  EXPECT_EQ(lines[5], std::string(kDate) + "1,024.00 Kバイト s5");
  struct stat status{};
  ::stat(folder.c_str(), &status);
  EXPECT_EQ(lines[6], kDate + publish::SizeField(static_cast<uint64_t>(status.st_size)) + "バイト zz folder");
}

TEST_F(DialogList, FilesNamedAtStartKeepTheirBytesUnderTheCLocale) {
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  std::string arguments[] = {"wx_pub", MakeFile("写真.txt", 5), MakeFile("caf\xe9.txt", 1023),
                             sandbox::Path("drop/gone.txt")};
  char* argv[] = {arguments[0].data(), arguments[1].data(), arguments[2].data(), arguments[3].data()};
  gui::ModalAnswerer answerer;
  dialog->DropStartFiles(cli::DialogFiles(4, argv));
  gui::ProcessPending();
  std::setlocale(LC_ALL, locale.c_str());

  EXPECT_EQ(dialog->GetFileList(), (publish::FileList{arguments[2], arguments[3], arguments[1]}));
  const std::vector<std::string> expected = {
      std::string(kDate) + "   1,023 バイト caf\uFFFD.txt",
      "1970/01/01 00:00:00       0 バイト gone.txt",
      std::string(kDate) + "      5 バイト 写真.txt",
  };
  EXPECT_EQ(gui::ListLines(*dialog), expected);
  EXPECT_EQ(answerer.messages,
            std::vector<std::string>{"読めないファイルがあります。\nファイル: " + arguments[3] +
                                     "\n理由: No such file or directory"});
}

TEST_F(DialogList, ClearListEmptiesTheListAndKeepsTheAddress) {
  const std::string address = gui::EditText(*dialog);
  ASSERT_FALSE(address.empty());
  gui::Drop(*dialog, {MakeFile("a.txt", 5)});
  const int withLine = dialog->GetHorizontalExtent();

  gui::Click(*dialog, app::Id(app::ControlId::ClearList));
  EXPECT_TRUE(dialog->GetFileList().empty());
  EXPECT_TRUE(gui::ListLines(*dialog).empty());
  EXPECT_EQ(gui::EditText(*dialog), address);
  // Only the border and scroll-bar allowance is left.
  EXPECT_LT(dialog->GetHorizontalExtent(), withLine);
  EXPECT_GE(dialog->GetHorizontalExtent(), 0);

  gui::Drop(*dialog, {MakeFile("b.txt", 5)});
  EXPECT_EQ(gui::ListLines(*dialog).size(), 1u);
}

TEST_F(DialogList, ResizeStretchesEditAndListAndKeepsTheButtons) {
  wxWindow* edit = dialog->FindWindow(app::Id(app::ControlId::Edit));
  wxWindow* list = dialog->FindWindow(app::Id(app::ControlId::List));
  const wxRect editBefore = edit->GetRect();
  const wxRect listBefore = list->GetRect();
  const wxPoint uploadBefore = dialog->FindWindow(app::Id(app::ControlId::Upload))->GetPosition();

  dialog->SetClientSize(700, 500);
  dialog->SendSizeEvent();
  gui::ProcessPending();

  const wxSize client = dialog->GetClientSize();
  EXPECT_EQ(edit->GetRect(), wxRect(1, editBefore.y, client.x - 2, editBefore.height));
  EXPECT_EQ(list->GetRect(), wxRect(1, listBefore.y, client.x - 2, client.y - 1 - listBefore.y));
  EXPECT_EQ(dialog->FindWindow(app::Id(app::ControlId::Upload))->GetPosition(), uploadBefore);
}
