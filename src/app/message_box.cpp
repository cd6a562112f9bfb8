#include "app/message_box.h"

#include <wx/msgdlg.h>

#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/fs/debug_log.h"
#include "platform/fs/temp_folder.h"

namespace app {

namespace {

// One button set of the message box, expressed with wx buttons
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

ButtonSet ButtonSetOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
      return {wxOK | wxCANCEL, 2, nullptr, nullptr, nullptr, Answer::Ok, Answer::Cancel, Answer::Cancel};
    case Buttons::AbortRetryIgnore:
      return {wxYES_NO | wxCANCEL, 3, "中止(&A)", "再試行(&R)", "無視(&I)", Answer::Abort, Answer::Retry,
              Answer::Ignore};
    case Buttons::YesNoCancel:
      return {wxYES_NO | wxCANCEL, 3, nullptr, nullptr, nullptr, Answer::Yes, Answer::No, Answer::Cancel};
    case Buttons::YesNo:
      return {wxYES_NO, 2, nullptr, nullptr, nullptr, Answer::Yes, Answer::No, Answer::No};
    case Buttons::RetryCancel:
      return {wxOK | wxCANCEL, 2, "再試行(&R)", "キャンセル", nullptr, Answer::Retry, Answer::Cancel, Answer::Cancel};
    case Buttons::Ok: break;
  }
  return {wxOK, 1, nullptr, nullptr, nullptr, Answer::Ok, Answer::Ok, Answer::Ok};
}

long IconStyle(Icon icon) {
  switch (icon) {
    case Icon::Stop: return wxICON_ERROR;
    case Icon::Question: return wxICON_QUESTION;
    case Icon::Exclamation: return wxICON_EXCLAMATION;
    case Icon::Information: return wxICON_INFORMATION;
    case Icon::None: break;
  }
  return wxICON_NONE;
}

long DefaultButtonStyle(DefaultButton defaultButton, const ButtonSet& set) {
  const bool yesNo = (set.buttons & wxYES_NO) != 0;
  if (defaultButton == DefaultButton::Second && set.buttonCount >= 2)
    return yesNo ? wxNO_DEFAULT : wxCANCEL_DEFAULT;
  if (defaultButton == DefaultButton::Third && set.buttonCount == 3) return wxCANCEL_DEFAULT;
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

// Values outside an enum (a cast number) get the fallback fields after each switch.
std::string IconField(Icon icon) {
  switch (icon) {
    case Icon::Stop: return "Stop ";
    case Icon::Question: return "(?)  ";
    case Icon::Exclamation: return "(!)  ";
    case Icon::Information: return "(i)  ";
    case Icon::None: break;
  }
  return "---- ";
}

std::string ButtonsField(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return "OK              ";
    case Buttons::OkCancel: return "OK Cancel       ";
    case Buttons::AbortRetryIgnore: return "AbortRetryInore ";
    case Buttons::YesNoCancel: return "Yes No Cancel   ";
    case Buttons::YesNo: return "Yes No          ";
    case Buttons::RetryCancel: return "Retry Cancel    ";
  }
  return std::string(16, ' ');
}

std::string DefaultButtonField(DefaultButton button) {
  switch (button) {
    case DefaultButton::First: return "Button1  ";
    case DefaultButton::Second: return "Button2  ";
    case DefaultButton::Third: return "Button3  ";
  }
  return "Non  (1) ";
}

std::string AnswerField(Answer answer) {
  switch (answer) {
    case Answer::Ok: return "[OK]    \t";
    case Answer::Cancel: return "[CANCEL]\t";
    case Answer::Abort: return "[Abort] \t";
    case Answer::Retry: return "[Retry] \t";
    case Answer::Ignore: return "[Innore]\t";
    case Answer::Yes: return "[Yes]   \t";
    case Answer::No: return "[No]    \t";
  }
  return "Bug...  \t";
}

// The answer the box gives by itself: its default button.
Answer DefaultAnswer(BoxStyle style) {
  // Answers by button set, for default buttons 1, 2 and 3.
  static constexpr Answer kAnswers[6][3] = {
      {Answer::Ok, Answer::Ok, Answer::Ok},           {Answer::Ok, Answer::Cancel, Answer::Ok},
      {Answer::Abort, Answer::Retry, Answer::Ignore}, {Answer::Yes, Answer::No, Answer::Cancel},
      {Answer::Yes, Answer::No, Answer::Yes},         {Answer::Retry, Answer::Cancel, Answer::Retry},
  };
  const auto set = static_cast<unsigned>(style.buttons);
  // A set without a known button: nothing is confirmed.
  if (set >= 6) return Answer::Cancel;
  const auto button = static_cast<unsigned>(style.defaultButton);
  return kAnswers[set][button < 3 ? button : 0];
}

// The fixed-width debug-log line for a box and its answer.
std::string MessageBoxLogLine(const std::string& text, BoxStyle style, Answer answer) {
  return IconField(style.icon) + ButtonsField(style.buttons) + DefaultButtonField(style.defaultButton) +
         AnswerField(answer) + text;
}

}  // namespace

Answer MessageBoxLog(wxWindow* parent, const std::string& text, BoxStyle style) {
  Answer answer = DefaultAnswer(style);
  if (parent) {
    const ButtonSet set = ButtonSetOf(style.buttons);
    wxMessageDialog box(parent, FromUtf8(text), FromUtf8(platform::GetProgramName()),
                        set.buttons | IconStyle(style.icon) | DefaultButtonStyle(style.defaultButton, set));
    Relabel(box, set);
    answer = AnswerOf(box.ShowModal(), set);
  }
  platform::DbgLog(MessageBoxLogLine(text, style, answer));
  return answer;
}

}  // namespace app
