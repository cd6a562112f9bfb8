#include <gtest/gtest.h>

#include "htmout/xml_out.h"
#include "platform/feedback.h"
#include "support/manual_clock.h"

namespace {

class TitleUi : public platform::UserInterface {
 public:
  TitleUi() { platform::InstallUserInterface(this); }
  ~TitleUi() override { platform::InstallUserInterface(nullptr); }
  platform::Answer ShowMessageBox(const std::string&, platform::BoxStyle) override { return platform::Answer::Ok; }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override {}

  std::vector<std::string> titles;
};

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

TEST(HtmoutProgress, WritingAndSearchingShowTheirTitles) {
  ManualClock clock;
  TitleUi ui;
  Xml_E root("ul");
  root.AddElement(Xml_E("li"));

  Xml_Out::CreateElement(root, 0);
  ASSERT_FALSE(ui.titles.empty());
  EXPECT_TRUE(StartsWith(ui.titles.front(), "Xml_Out::CreateElement ...  ")) << ui.titles.front();

  clock.Advance(100);
  ui.titles.clear();
  root.GetElement("missing");
  ASSERT_FALSE(ui.titles.empty());
  EXPECT_TRUE(StartsWith(ui.titles.front(), "Xml_E::GetElement ...  ")) << ui.titles.front();
}

}  // namespace
