#include "app/dialog_user_interface.h"

#include <wx/evtloop.h>
#include <wx/msgdlg.h>

#include "app/wx_text.h"
#include "platform/folders.h"

namespace {

// One button set of the platform's message box, expressed with wx buttons
// (relabelled where wx has no such stock button) and the answers they mean.
struct ButtonSet {
  long buttons;
  int buttonCount;
  const char* firstLabel;
  const char* secondLabel;
  const char* thirdLabel;
  int answerFirst;
  int answerSecond;
  int answerClose;
};

ButtonSet ButtonSetOf(unsigned type) {
  switch (type & 0xF) {
    case MB_OKCANCEL:
      return {wxOK | wxCANCEL, 2, nullptr, nullptr, nullptr, IDOK, IDCANCEL, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
      return {wxYES_NO | wxCANCEL, 3, "中止(&A)", "再試行(&R)", "無視(&I)", IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
      return {wxYES_NO | wxCANCEL, 3, nullptr, nullptr, nullptr, IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {wxYES_NO, 2, nullptr, nullptr, nullptr, IDYES, IDNO, IDNO};
    case MB_RETRYCANCEL:
      return {wxOK | wxCANCEL, 2, "再試行(&R)", "キャンセル", nullptr, IDRETRY, IDCANCEL, IDCANCEL};
    default:
      return {wxOK, 1, nullptr, nullptr, nullptr, IDOK, IDOK, IDOK};
  }
}

long IconStyle(unsigned type) {
  switch (type & 0xF0) {
    case MB_ICONSTOP: return wxICON_ERROR;
    case MB_ICONQUESTION: return wxICON_QUESTION;
    case MB_ICONEXCLAMATION: return wxICON_EXCLAMATION;
    case MB_ICONINFORMATION: return wxICON_INFORMATION;
    default: return wxICON_NONE;
  }
}

long DefaultButtonStyle(unsigned type, const ButtonSet& set) {
  const unsigned defaultButton = (type >> 8) & 0xF;
  const bool yesNo = (set.buttons & wxYES_NO) != 0;
  if (defaultButton == 1 && set.buttonCount >= 2) return yesNo ? wxNO_DEFAULT : wxCANCEL_DEFAULT;
  if (defaultButton == 2 && set.buttonCount == 3) return wxCANCEL_DEFAULT;
  return 0;
}

void Relabel(wxMessageDialog& box, const ButtonSet& set) {
  if (!set.firstLabel) return;
  if (set.buttons & wxYES_NO) {
    box.SetYesNoCancelLabels(FromUtf8(set.firstLabel), FromUtf8(set.secondLabel), FromUtf8(set.thirdLabel));
  } else {
    box.SetOKCancelLabels(FromUtf8(set.firstLabel), FromUtf8(set.secondLabel));
  }
}

int AnswerOf(int wxAnswer, const ButtonSet& set) {
  switch (wxAnswer) {
    case wxID_OK:
    case wxID_YES: return set.answerFirst;
    case wxID_NO: return set.answerSecond;
    default: return set.answerClose;
  }
}

}  // namespace

DialogUserInterface::DialogUserInterface(wxTopLevelWindow& window)
    : m_window(window), m_caption(window.GetTitle()) {}

int DialogUserInterface::ShowMessageBox(const std::string& text, unsigned type, unsigned) {
  const ButtonSet set = ButtonSetOf(type);
  wxMessageDialog box(&m_window, FromUtf8(text), FromUtf8(GetProgramName()),
                      set.buttons | IconStyle(type) | DefaultButtonStyle(type, set));
  Relabel(box, set);
  return AnswerOf(box.ShowModal(), set);
}

void DialogUserInterface::ShowProgressTitle(const std::string& title) {
  // An empty title ends the report: the dialog gets its caption back.
  m_window.SetTitle(title.empty() ? m_caption : FromUtf8(title));
}

void DialogUserInterface::PumpMessages() {
  // Only repaints and other window housekeeping: user input waits in the queue.
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
}
