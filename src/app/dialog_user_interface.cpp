#include "app/dialog_user_interface.h"

#include <wx/evtloop.h>
#include <wx/msgdlg.h>

#include <iostream>

#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/fs/temp_folder.h"
#include "suite/folders.h"

namespace app {

namespace {

using platform::Answer;

// One button set of the platform's message box, expressed with wx buttons
// (relabelled where wx has no such stock button) and the answers they mean.
struct ButtonSet {
  long buttons;
  int buttonCount;
  const char* firstLabel;
  const char* secondLabel;
  const char* thirdLabel;
  Answer answerFirst;
  Answer answerSecond;
  Answer answerClose;
};

ButtonSet ButtonSetOf(platform::Buttons buttons) {
  switch (buttons) {
    case platform::Buttons::OkCancel:
      return {wxOK | wxCANCEL, 2, nullptr, nullptr, nullptr, Answer::Ok, Answer::Cancel, Answer::Cancel};
    case platform::Buttons::AbortRetryIgnore:
      return {wxYES_NO | wxCANCEL, 3, "中止(&A)", "再試行(&R)", "無視(&I)", Answer::Abort, Answer::Retry,
              Answer::Ignore};
    case platform::Buttons::YesNoCancel:
      return {wxYES_NO | wxCANCEL, 3, nullptr, nullptr, nullptr, Answer::Yes, Answer::No, Answer::Cancel};
    case platform::Buttons::YesNo:
      return {wxYES_NO, 2, nullptr, nullptr, nullptr, Answer::Yes, Answer::No, Answer::No};
    case platform::Buttons::RetryCancel:
      return {wxOK | wxCANCEL, 2, "再試行(&R)", "キャンセル", nullptr, Answer::Retry, Answer::Cancel, Answer::Cancel};
    case platform::Buttons::Ok: break;
  }
  return {wxOK, 1, nullptr, nullptr, nullptr, Answer::Ok, Answer::Ok, Answer::Ok};
}

long IconStyle(platform::Icon icon) {
  switch (icon) {
    case platform::Icon::Stop: return wxICON_ERROR;
    case platform::Icon::Question: return wxICON_QUESTION;
    case platform::Icon::Exclamation: return wxICON_EXCLAMATION;
    case platform::Icon::Information: return wxICON_INFORMATION;
    case platform::Icon::None: break;
  }
  return wxICON_NONE;
}

long DefaultButtonStyle(platform::DefaultButton defaultButton, const ButtonSet& set) {
  const bool yesNo = (set.buttons & wxYES_NO) != 0;
  if (defaultButton == platform::DefaultButton::Second && set.buttonCount >= 2)
    return yesNo ? wxNO_DEFAULT : wxCANCEL_DEFAULT;
  if (defaultButton == platform::DefaultButton::Third && set.buttonCount == 3) return wxCANCEL_DEFAULT;
  return 0;
}

void Relabel(wxMessageDialog& box, const ButtonSet& set) {
  if (!set.firstLabel) return;
  if (set.buttons & wxYES_NO) {
    box.SetYesNoCancelLabels(Translated(set.firstLabel), Translated(set.secondLabel), Translated(set.thirdLabel));
  } else {
    box.SetOKCancelLabels(Translated(set.firstLabel), Translated(set.secondLabel));
  }
}

Answer AnswerOf(int wxAnswer, const ButtonSet& set) {
  switch (wxAnswer) {
    case wxID_OK:
    case wxID_YES: return set.answerFirst;
    case wxID_NO: return set.answerSecond;
    default: return set.answerClose;
  }
}

}  // namespace

DialogUserInterface::DialogUserInterface(wxTopLevelWindow& window)
    : window_(window), caption_(window.GetTitle()) {}

Answer DialogUserInterface::ShowMessageBox(const std::string& text, platform::BoxStyle style) {
  const ButtonSet set = ButtonSetOf(style.buttons);
  wxMessageDialog box(&window_, FromUtf8(text), FromUtf8(platform::GetProgramName()),
                      set.buttons | IconStyle(style.icon) | DefaultButtonStyle(style.defaultButton, set));
  Relabel(box, set);
  return AnswerOf(box.ShowModal(), set);
}

void DialogUserInterface::ShowProgressTitle(const std::string& title) {
  // An empty title ends the report: the dialog gets its caption back.
  window_.SetTitle(title.empty() ? caption_ : FromUtf8(title));
}

void DialogUserInterface::PumpMessages() {
  // Only repaints and other window housekeeping: user input waits in the queue.
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
}

void DialogUserInterface::ShowNotice(const std::string& notice) { std::cerr << notice << std::endl; }

void PrintTrace(net::TraceStream stream, const std::string& text) {
  (stream == net::TraceStream::Error ? std::cerr : std::cout) << text << std::flush;
}

net::TraceSink TraceOnWindowThread(wxEvtHandler& window) {
  return [&window](net::TraceStream stream, const std::string& text) {
    window.CallAfter([stream, text] { PrintTrace(stream, text); });
  };
}

}  // namespace app
