#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include "gui_support.h"
#include "platform/feedback.h"

TEST(DialogUserInterface, ButtonSetsGiveTheirOwnAnswers) {
  CWx_pubDlg* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;

  answerer.answer = wxID_NO;
  EXPECT_EQ(MessageBoxLog("a", MB_ABORTRETRYIGNORE | MB_ICONSTOP), IDRETRY);
  answerer.answer = wxID_CANCEL;
  EXPECT_EQ(MessageBoxLog("b", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
  answerer.answer = wxID_OK;
  EXPECT_EQ(MessageBoxLog("c", MB_RETRYCANCEL | MB_ICONEXCLAMATION), IDRETRY);
  answerer.answer = wxID_NO;
  EXPECT_EQ(MessageBoxLog("d", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
  answerer.answer = wxID_CANCEL;
  EXPECT_EQ(MessageBoxLog("e", MB_OK | MB_ICONINFORMATION), IDOK);
  EXPECT_EQ(MessageBoxLog("f", MB_YESNOCANCEL), IDCANCEL);

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
  CWx_pubDlg* dialog = gui::OpenDialog();
  const wxString caption = dialog->GetTitle();
  InstalledUserInterface()->ShowProgressTitle("HT_Make_index ...  12  *****....................");
  EXPECT_EQ(dialog->GetTitle(), "HT_Make_index ...  12  *****....................");
  InstalledUserInterface()->PumpMessages();
  InstalledUserInterface()->ShowProgressTitle("");
  EXPECT_EQ(dialog->GetTitle(), caption);
  gui::CloseDialog(dialog);
  EXPECT_EQ(InstalledUserInterface(), nullptr);
}
