#include <gtest/gtest.h>

#include "app/control_id.h"
#include "gui_support.h"

TEST(DialogAbout, ContextMenuItemAndF1OpenTheVersionBox) {
  app::MainDialog* dialog = gui::OpenDialog();
  gui::ModalAnswerer answerer;
  wxCommandEvent about(wxEVT_MENU, app::Id(app::ControlId::AboutCommand));
  dialog->GetEventHandler()->ProcessEvent(about);
  ASSERT_EQ(answerer.aboutTexts.size(), 2u);
  EXPECT_EQ(answerer.aboutTexts[0], std::string("wx_pub Version ") + WXPUB_VERSION);
  EXPECT_FALSE(answerer.aboutTexts[1].empty());

  wxKeyEvent f1(wxEVT_KEY_DOWN);
  f1.m_keyCode = WXK_F1;
  EXPECT_EQ(dialog->GetAcceleratorTable()->GetCommand(f1), app::Id(app::ControlId::AboutCommand));
  gui::CloseDialog(dialog);
}
