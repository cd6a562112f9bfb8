#include <gtest/gtest.h>

#include "platform/feedback.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"

namespace platform {
namespace {

// Records the titles the core showed.
class RecordingUi : public UserInterface {
 public:
  RecordingUi() { InstallUserInterface(this); }
  ~RecordingUi() override { InstallUserInterface(nullptr); }
  Answer ShowMessageBox(const std::string&, BoxStyle) override { return Answer::Ok; }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override { ++pumps; }

  std::vector<std::string> titles;
  int pumps = 0;
};

// Records the positions each display refresh showed.
class CountingReport : public ProgressCounter {
 public:
  using ProgressCounter::ProgressCounter;
  std::vector<unsigned> shown;

 protected:
  void Draw() override { shown.push_back(GetPosition()); }
};

}  // namespace

TEST(MessageBox, WithoutInterfaceTheDefaultButtonAnswersAndIsLogged) {
  const struct {
    BoxStyle style;
    Answer answer;
  } rows[] = {
      {{}, Answer::Ok},
      {{Buttons::OkCancel, Icon::None, DefaultButton::Second}, Answer::Cancel},
      {{Buttons::AbortRetryIgnore, Icon::Stop, DefaultButton::Third}, Answer::Ignore},
      {{Buttons::YesNoCancel, Icon::None, DefaultButton::Third}, Answer::Cancel},
      {{Buttons::YesNo, Icon::None, DefaultButton::Third}, Answer::Yes},
      {{Buttons::RetryCancel, Icon::None, DefaultButton::First}, Answer::Retry},
  };
  for (const auto& row : rows) EXPECT_EQ(MessageBoxLog("q", row.style), row.answer) << static_cast<int>(row.answer);
  EXPECT_EQ(MessageBoxLog("Replace\nthe file?", {Buttons::YesNo, Icon::Question, DefaultButton::Second}), Answer::No);
  EXPECT_NE(DebugLogText().find("\t(?)  Yes No          Button2  [No]    \tReplace\tthe file?\r\n"), std::string::npos);
}

TEST(Progress, CountingRules) {
  ManualClock clock;
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
  ManualClock clock;
  {
    ProgressCounter outer("outer", 10);
    outer.Step();
    ProgressCounter inner("inner", 10);
    inner.Step();
    inner.Step();
    EXPECT_EQ(ProgressStepCount(), 3u);
  }
  ProgressCounter next("next", 10);
  EXPECT_EQ(ProgressStepCount(), 0u);
}

TEST(Progress, TitleProgressShowsCountAndBarThenRestoresTheTitle) {
  ManualClock clock;
  RecordingUi ui;
  {
    TitleProgress report("Xml_Out::CreateElement ...", 4);
    report.Step();
    clock.Advance(100);
    report.Step();
  }
  EXPECT_EQ(ui.titles, (std::vector<std::string>{"Xml_Out::CreateElement ...  1  ******...................",
                                                 "Xml_Out::CreateElement ...  2  ************.............",
                                                 ""}));
  EXPECT_EQ(ui.pumps, 2);
}

}  // namespace platform
