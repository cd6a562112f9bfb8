#include <gtest/gtest.h>

#include "platform/feedback.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/recording_ui.h"

namespace platform {

TEST(MessageBox, WithoutInterfaceTheDefaultButtonAnswersAndIsLogged) {
  const struct {
    BoxStyle style;
    Answer answer;
  } rows[] = {
      {{}, Answer::Ok},
      {{Buttons::AbortRetryIgnore, Icon::Stop, DefaultButton::Third}, Answer::Ignore},
      {{Buttons::YesNo, Icon::None, DefaultButton::Third}, Answer::Yes},
  };
  for (const auto& row : rows) EXPECT_EQ(MessageBoxLog("q", row.style), row.answer) << static_cast<int>(row.answer);
  EXPECT_EQ(MessageBoxLog("Replace\nthe file?", {Buttons::YesNo, Icon::Question, DefaultButton::Second}), Answer::No);
  EXPECT_NE(DebugLogText().find("\t(?)  Yes No          Button2  [No]    \tReplace\tthe file?\r\n"), std::string::npos);
}

// The title counts the steps of every open report, nested ones too.
TEST(Progress, TitleShowsStepsAndBarAtMostEvery100msThenIsCleared) {
  ManualClock clock;
  RecordingUi ui;
  {
    TitleProgress none("none", 0);
    none.Step();
    TitleProgress report("Xml_Out::CreateElement ...", 4);
    report.Step();
    report.Step();  // too soon after the last drawing
    clock.Advance(100);
    ProgressCounter inner("inner", 1000);
    inner.Step();
    report.Step();
  }
  EXPECT_EQ(ui.titles, (std::vector<std::string>{"Xml_Out::CreateElement ...  1  ******...................",
                                                 "Xml_Out::CreateElement ...  4  ******************.......",
                                                 ""}));
  EXPECT_EQ(ui.pumps, 2);
  ProgressCounter next("next", 10);
  EXPECT_EQ(ProgressStepCount(), 0u);
}

}  // namespace platform
