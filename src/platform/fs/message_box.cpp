#include "platform/fs/debug_log.h"
#include "platform/system/feedback.h"

namespace platform {

namespace {

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

}  // namespace

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

std::string MessageBoxLogLine(const std::string& text, BoxStyle style, Answer answer) {
  return IconField(style.icon) + ButtonsField(style.buttons) + DefaultButtonField(style.defaultButton) +
         AnswerField(answer) + text;
}

Answer MessageBoxLog(const std::string& text, BoxStyle style) {
  UserInterface* ui = InstalledUserInterface();
  const Answer answer = ui ? ui->ShowMessageBox(text, style) : DefaultAnswer(style);
  DbgLog(MessageBoxLogLine(text, style, answer));
  return answer;
}

}  // namespace platform
