#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include "gui_support.h"
#include "platform/feedback.h"

using platform::Answer;
using platform::Buttons;
using platform::DefaultButton;
using platform::Icon;

TEST(DialogUserInterface, ButtonSetsGiveTheirOwnAnswers) {
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;

  answerer.answer = wxID_NO;
  EXPECT_EQ(platform::MessageBoxLog("a", {Buttons::AbortRetryIgnore, Icon::Stop}), Answer::Retry);
  answerer.answer = wxID_CANCEL;
  EXPECT_EQ(platform::MessageBoxLog("b", {Buttons::AbortRetryIgnore, Icon::None, DefaultButton::Third}),
            Answer::Ignore);
  answerer.answer = wxID_OK;
  EXPECT_EQ(platform::MessageBoxLog("c", {Buttons::RetryCancel, Icon::Exclamation}), Answer::Retry);
  answerer.answer = wxID_NO;
  EXPECT_EQ(platform::MessageBoxLog("d", {Buttons::YesNo, Icon::Question, DefaultButton::Second}), Answer::No);
  answerer.answer = wxID_CANCEL;
  EXPECT_EQ(platform::MessageBoxLog("e", {Buttons::Ok, Icon::Information}), Answer::Ok);
  EXPECT_EQ(platform::MessageBoxLog("f", {Buttons::YesNoCancel}), Answer::Cancel);

  ASSERT_EQ(answerer.messages, (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
  // The toolkit writes the mnemonic its own way.
  EXPECT_TRUE(answerer.firstLabels[0].starts_with("中止(")) << answerer.firstLabels[0];
  EXPECT_TRUE(answerer.firstLabels[2].starts_with("再試行(")) << answerer.firstLabels[2];
  EXPECT_TRUE(answerer.styles[0] & wxICON_ERROR);
  EXPECT_TRUE(answerer.styles[1] & wxCANCEL_DEFAULT);
  EXPECT_TRUE(answerer.styles[2] & wxICON_EXCLAMATION);
  EXPECT_TRUE(answerer.styles[3] & wxNO_DEFAULT);
  EXPECT_TRUE(answerer.styles[4] & wxICON_INFORMATION);
  EXPECT_FALSE(answerer.styles[5] & (wxICON_QUESTION | wxICON_ERROR | wxICON_EXCLAMATION | wxICON_INFORMATION));
  gui::CloseDialog(dialog);
}

TEST(DialogUserInterface, ProgressShowsInTheTitleAndTheCaptionComesBack) {
  app::MainDialog* dialog = gui::OpenDialog();
  const wxString caption = dialog->GetTitle();
  platform::InstalledUserInterface()->ShowProgressTitle("HT_Make_index ...  12  *****....................");
  EXPECT_EQ(dialog->GetTitle(), "HT_Make_index ...  12  *****....................");
  platform::InstalledUserInterface()->PumpMessages();
  platform::InstalledUserInterface()->ShowProgressTitle("");
  EXPECT_EQ(dialog->GetTitle(), caption);
  gui::CloseDialog(dialog);
  EXPECT_EQ(platform::InstalledUserInterface(), nullptr);
}
