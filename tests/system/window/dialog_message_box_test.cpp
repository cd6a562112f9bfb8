#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include "gui_support.h"
#include "app/message_box.h"

using namespace app;

// Each button set gives its own answers for the box's buttons; the icon and
// default button become the box's style, and buttons wx lacks are relabelled
// (the toolkit writes the mnemonic its own way); the others keep the
// toolkit's stock buttons.
TEST(DialogMessageBox, ButtonSetsIconsAndDefaultButtons) {
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;
  // box, id of the button pressed, answer, first label, icon and default style
  for (const auto& [box, id, answer, label, style] : std::vector<std::tuple<BoxStyle, int, Answer, std::string, long>>{
           {{Buttons::AbortRetryIgnore, Icon::Stop}, wxID_NO, Answer::Retry, "中止(", wxICON_ERROR},
           {{Buttons::AbortRetryIgnore, Icon::None, DefaultButton::Third}, wxID_CANCEL, Answer::Ignore, "中止(",
            wxICON_NONE | wxCANCEL_DEFAULT},
           {{Buttons::RetryCancel, Icon::Exclamation}, wxID_OK, Answer::Retry, "再試行(", wxICON_EXCLAMATION},
           {{Buttons::YesNo, Icon::Question, DefaultButton::Second}, wxID_NO, Answer::No, "gtk-yes",
            wxICON_QUESTION | wxNO_DEFAULT},
           {{Buttons::Ok, Icon::Information}, wxID_CANCEL, Answer::Ok, "gtk-ok", wxICON_INFORMATION},
           {{Buttons::YesNoCancel}, wxID_CANCEL, Answer::Cancel, "gtk-yes", wxICON_NONE}}) {
    answerer.answer = id;
    EXPECT_EQ(MessageBoxLog(dialog, label, box), answer) << label;
    EXPECT_TRUE(answerer.firstLabels.back().starts_with(label)) << answerer.firstLabels.back();
    EXPECT_EQ(answerer.styles.back() & (wxICON_MASK | wxNO_DEFAULT | wxCANCEL_DEFAULT), style) << label;
  }
  EXPECT_EQ(answerer.messages.size(), 6u);
  gui::CloseDialog(dialog);
}
