#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/system/feedback.h"
#include "support/manual_clock.h"
#include "support/recording_ui.h"

using namespace platform;

// The title counts the steps of every open report; a report without a total counts none.
TEST(Progress, TitleShowsStepsAndBarAtMostEvery100msThenIsCleared) {
  ManualClock clock;
  RecordingUi ui;
  {
    TitleProgress report("Xml_Out::CreateElement ...", 4);
    report.Step();
    clock.Advance(99);
    report.Step();  // too soon after the last drawing
    clock.Advance(1);
    ProgressCounter inner("inner", 0);
    inner.Step();
    report.Step();
  }
  EXPECT_EQ(ui.titles, (std::vector<std::string>{"Xml_Out::CreateElement ...  1  ******...................",
                                                 "Xml_Out::CreateElement ...  3  ******************.......", ""}));
}

