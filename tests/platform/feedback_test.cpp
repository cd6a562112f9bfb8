#include <gtest/gtest.h>

#include "platform/feedback.h"
#include "support/debug_log_reader.h"
#include "support/fake_clock.h"

namespace {

// Records what the core asked of the user interface.
class RecordingUi : public UserInterface {
 public:
  RecordingUi() { InstallUserInterface(this); }
  ~RecordingUi() override { InstallUserInterface(nullptr); }
  int ShowMessageBox(const std::string& text, unsigned type, unsigned helpContext) override {
    boxes.push_back(text + "|" + std::to_string(type) + "|" + std::to_string(helpContext));
    return IDRETRY;
  }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override { ++pumps; }

  std::vector<std::string> boxes;
  std::vector<std::string> titles;
  int pumps = 0;
};

// Records the positions each display refresh showed.
class CountingReport : public MessageBase {
 public:
  using MessageBase::MessageBase;
  std::vector<unsigned> shown;

 protected:
  void Draw() override { shown.push_back(GetPosition()); }
};

}  // namespace

TEST(MessageBox, WithoutInterfaceTheDefaultButtonAnswersAndIsLogged) {
  const struct {
    unsigned set;
    int first, second, third;
  } cases[] = {
      {MB_OK, IDOK, IDOK, IDOK},
      {MB_OKCANCEL, IDOK, IDCANCEL, IDOK},
      {MB_ABORTRETRYIGNORE, IDABORT, IDRETRY, IDIGNORE},
      {MB_YESNOCANCEL, IDYES, IDNO, IDCANCEL},
      {MB_YESNO, IDYES, IDNO, IDYES},
      {MB_RETRYCANCEL, IDRETRY, IDCANCEL, IDRETRY},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageBoxLog("q", c.set | MB_DEFBUTTON1), c.first) << c.set;
    EXPECT_EQ(MessageBoxLog("q", c.set | MB_DEFBUTTON2), c.second) << c.set;
    EXPECT_EQ(MessageBoxLog("q", c.set | MB_DEFBUTTON3 | MB_ICONSTOP), c.third) << c.set;
  }
  EXPECT_EQ(DefaultAnswer(MB_YESNO | 0x300), IDYES);
  EXPECT_EQ(MessageBoxLog("Replace\nthe file?", MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION), IDNO);
  EXPECT_NE(DebugLogText().find("\t(?)  Yes No          Button2  [No]    \tReplace\tthe file?\r\n"), std::string::npos);
}

TEST(MessageBox, InstalledInterfaceShowsTheBoxAndGivesTheAnswer) {
  RecordingUi ui;
  EXPECT_EQ(MessageBoxLog("text", MB_RETRYCANCEL | MB_ICONEXCLAMATION, 7), IDRETRY);
  EXPECT_EQ(ui.boxes, std::vector<std::string>{"text|53|7"});
}

TEST(MessageBox, LogLineHasFixedWidthFields) {
  EXPECT_EQ(MessageBoxLogLine("t", MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3, IDCANCEL),
            "(!)  OK Cancel       Button3  [CANCEL]\tt");
  EXPECT_EQ(MessageBoxLogLine("t", MB_YESNOCANCEL | 0x50, IDRETRY), "---- Yes No Cancel   Button1  [Retry] \tt");
  EXPECT_EQ(MessageBoxLogLine("t", MB_RETRYCANCEL | 0x300, IDIGNORE), "---- Retry Cancel    Non  (1) [Innore]\tt");
  EXPECT_EQ(MessageBoxLogLine("t", 0x7, IDYES), "---- " + std::string(16, ' ') + "Button1  [Yes]   \tt");
  EXPECT_EQ(MessageBoxLogLine("t", MB_OK, 99), "---- OK              Button1  Bug...  \tt");
}

TEST(Progress, CountingRules) {
  FakeClock clock;
  CountingReport none("none", 0);
  none.Step();
  EXPECT_EQ(none.GetPosition(), 0u);
  EXPECT_TRUE(none.shown.empty());

  CountingReport three("three", 3);
  for (int i = 0; i < 4; ++i) three.Step();
  EXPECT_EQ(three.GetPosition(), 0u);  // wraps at the total

  CountingReport report("t", 200);
  for (int i = 0; i < 10; ++i) {
    report.Step();
    clock.Advance(100);
  }
  EXPECT_EQ(report.shown, (std::vector<unsigned>{2, 4, 6, 8, 10}));
  report.shown.clear();
  for (int i = 0; i < 10; ++i) {
    report.Step();
    clock.Advance(30);
  }
  // New percents at 12, 14, ... 20; only those at least 100 ms after the last drawing show.
  EXPECT_EQ(report.shown, (std::vector<unsigned>{12, 16, 20}));
}

TEST(Progress, StepCountIsSharedByNestedReportsAndResetByTheOutermost) {
  FakeClock clock;
  {
    MessageBase outer("outer", 10);
    outer.Step();
    MessageBase inner("inner", 10);
    inner.Step();
    inner.Step();
    EXPECT_EQ(ProgressStepCount(), 3u);
  }
  MessageBase next("next", 10);
  EXPECT_EQ(ProgressStepCount(), 0u);
}

TEST(Progress, TitleProgressShowsCountAndBarThenRestoresTheTitle) {
  FakeClock clock;
  RecordingUi ui;
  {
    MessageMFC report("Xml_Out::CreateElement ...", 4);
    report.Step();
    clock.Advance(100);
    report.Step();
  }
  EXPECT_EQ(ui.titles, (std::vector<std::string>{"Xml_Out::CreateElement ...  1  ******...................",
                                                 "Xml_Out::CreateElement ...  2  ************.............",
                                                 ""}));
  EXPECT_EQ(ui.pumps, 2);
}
