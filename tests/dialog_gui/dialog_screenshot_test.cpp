#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>

#include <filesystem>
#include <set>

#include "gui_support.h"
#include "support/sandbox.h"

namespace {

// The dialog as it appears on the display, kept under the build folder.
std::string SaveScreenshot(wxWindow& window, const std::string& name) {
  const wxRect rect = window.GetScreenRect();
  wxBitmap bitmap(rect.width, rect.height);
  {
    wxScreenDC screen;
    wxMemoryDC memory(bitmap);
    memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
  }
  const std::filesystem::path folder = std::filesystem::path(WXPUB_BINARY_DIR) / "artifacts";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / name).string();
  wxImage::AddHandler(new wxPNGHandler);
  bitmap.SaveFile(path, wxBITMAP_TYPE_PNG);
  return path;
}

// Number of distinct colours in the picture: a blank capture has one or two.
size_t ColourCount(const wxImage& image) {
  std::set<unsigned> colours;
  const unsigned char* rgb = image.GetData();
  for (int i = 0; i < image.GetWidth() * image.GetHeight(); ++i, rgb += 3) {
    colours.insert(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
  }
  return colours.size();
}

}  // namespace

TEST(DialogScreenshot, AfterADropShowsButtonsAddressAndLines) {
  app::MainDialog* dialog = gui::OpenDialog();
  std::vector<std::string> files;
  for (const char* name : {"写真 2024.jpg", "資料.txt", "index.html"}) {
    files.push_back(sandbox::Path(std::string("drop/") + name));
    sandbox::WriteFile(files.back(), std::string(2048, 'x'));
  }
  gui::Drop(*dialog, files);
  gui::ProcessPending();

  const std::string path = SaveScreenshot(*dialog, "dialog_after_drop.png");
  wxImage image;
  ASSERT_TRUE(image.LoadFile(path, wxBITMAP_TYPE_PNG));
  EXPECT_EQ(image.GetSize(), dialog->GetScreenRect().GetSize());
  EXPECT_GT(ColourCount(image), 16u);
  gui::CloseDialog(dialog);
}
