#include <gtest/gtest.h>

#include "platform/feedback.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"

namespace platform {
namespace {

// Records what the core asked of the user interface.
class RecordingUi : public UserInterface {
 public:
  RecordingUi() { InstallUserInterface(this); }
  ~RecordingUi() override { InstallUserInterface(nullptr); }
  Answer ShowMessageBox(const std::string& text, BoxStyle style) override {
    boxes.push_back(text + "|" + std::to_string(static_cast<int>(style.buttons)) + "|" +
                    std::to_string(static_cast<int>(style.icon)) + "|" +
                    std::to_string(static_cast<int>(style.defaultButton)));
    return Answer::Retry;
  }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override { ++pumps; }

  std::vector<std::string> boxes;
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
    Buttons set;
    Answer first, second, third;
  } cases[] = {
      {Buttons::Ok, Answer::Ok, Answer::Ok, Answer::Ok},
      {Buttons::OkCancel, Answer::Ok, Answer::Cancel, Answer::Ok},
      {Buttons::AbortRetryIgnore, Answer::Abort, Answer::Retry, Answer::Ignore},
      {Buttons::YesNoCancel, Answer::Yes, Answer::No, Answer::Cancel},
      {Buttons::YesNo, Answer::Yes, Answer::No, Answer::Yes},
      {Buttons::RetryCancel, Answer::Retry, Answer::Cancel, Answer::Retry},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageBoxLog("q", {c.set, Icon::None, DefaultButton::First}), c.first) << static_cast<int>(c.set);
    EXPECT_EQ(MessageBoxLog("q", {c.set, Icon::None, DefaultButton::Second}), c.second) << static_cast<int>(c.set);
    EXPECT_EQ(MessageBoxLog("q", {c.set, Icon::Stop, DefaultButton::Third}), c.third) << static_cast<int>(c.set);
  }
  EXPECT_EQ(DefaultAnswer({Buttons::YesNo, Icon::None, static_cast<DefaultButton>(3)}), Answer::Yes);
  EXPECT_EQ(MessageBoxLog("Replace\nthe file?", {Buttons::YesNo, Icon::Question, DefaultButton::Second}), Answer::No);
  EXPECT_NE(DebugLogText().find("\t(?)  Yes No          Button2  [No]    \tReplace\tthe file?\r\n"), std::string::npos);
}

TEST(MessageBox, InstalledInterfaceShowsTheBoxAndGivesTheAnswer) {
  RecordingUi ui;
  EXPECT_EQ(MessageBoxLog("text", {Buttons::RetryCancel, Icon::Exclamation}), Answer::Retry);
  EXPECT_EQ(ui.boxes, std::vector<std::string>{"text|5|3|0"});
}

// Numbers outside the enums (casts) get the fallback fields.
TEST(MessageBox, LogLineHasFixedWidthFields) {
  const auto line = [](BoxStyle style, Answer answer) { return MessageBoxLogLine("t", style, answer); };
  EXPECT_EQ(line({Buttons::OkCancel, Icon::Exclamation, DefaultButton::Third}, Answer::Cancel),
            "(!)  OK Cancel       Button3  [CANCEL]\tt");
  EXPECT_EQ(line({Buttons::YesNoCancel, static_cast<Icon>(5)}, Answer::Retry),
            "---- Yes No Cancel   Button1  [Retry] \tt");
  EXPECT_EQ(line({Buttons::RetryCancel, Icon::None, static_cast<DefaultButton>(3)}, Answer::Ignore),
            "---- Retry Cancel    Non  (1) [Innore]\tt");
  EXPECT_EQ(line({static_cast<Buttons>(7)}, Answer::Yes), "---- " + std::string(16, ' ') + "Button1  [Yes]   \tt");
  EXPECT_EQ(line({}, static_cast<Answer>(99)), "---- OK              Button1  Bug...  \tt");
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
