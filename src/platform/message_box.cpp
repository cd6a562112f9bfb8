#include "platform/debug_log.h"
#include "platform/feedback.h"

namespace {

UserInterface*& Installed() {
  static UserInterface* ui = nullptr;
  return ui;
}

int DefaultButtonIndex(unsigned type) {
  switch (type & MB_DEFMASK) {
    case MB_DEFBUTTON2: return 1;
    case MB_DEFBUTTON3: return 2;
    default: return 0;
  }
}

std::string IconField(unsigned type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return "Stop ";
    case MB_ICONQUESTION: return "(?)  ";
    case MB_ICONEXCLAMATION: return "(!)  ";
    case MB_ICONINFORMATION: return "(i)  ";
    default: return "---- ";
  }
}

std::string ButtonSetField(unsigned type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return "OK              ";
    case MB_OKCANCEL: return "OK Cancel       ";
    case MB_ABORTRETRYIGNORE: return "AbortRetryInore ";
    case MB_YESNOCANCEL: return "Yes No Cancel   ";
    case MB_YESNO: return "Yes No          ";
    case MB_RETRYCANCEL: return "Retry Cancel    ";
    default: return std::string(16, ' ');
  }
}

std::string DefaultButtonField(unsigned type) {
  switch (type & MB_DEFMASK) {
    case MB_DEFBUTTON1: return "Button1  ";
    case MB_DEFBUTTON2: return "Button2  ";
    case MB_DEFBUTTON3: return "Button3  ";
    default: return "Non  (1) ";
  }
}

std::string AnswerField(int answer) {
  switch (answer) {
    case IDOK: return "[OK]    \t";
    case IDCANCEL: return "[CANCEL]\t";
    case IDABORT: return "[Abort] \t";
    case IDRETRY: return "[Retry] \t";
    case IDIGNORE: return "[Innore]\t";
    case IDYES: return "[Yes]   \t";
    case IDNO: return "[No]    \t";
    default: return "Bug...  \t";
  }
}

}  // namespace

UserInterface::~UserInterface() = default;

void InstallUserInterface(UserInterface* ui) { Installed() = ui; }
UserInterface* InstalledUserInterface() { return Installed(); }

int DefaultAnswer(unsigned type) {
  // Answers by button set, for default buttons 1, 2 and 3.
  static constexpr int kAnswers[6][3] = {
      {IDOK, IDOK, IDOK},          {IDOK, IDCANCEL, IDOK},  {IDABORT, IDRETRY, IDIGNORE},
      {IDYES, IDNO, IDCANCEL},     {IDYES, IDNO, IDYES},    {IDRETRY, IDCANCEL, IDRETRY},
  };
  const unsigned set = type & MB_TYPEMASK;
  // A set without a known button: nothing is confirmed.
  if (set >= 6) return IDCANCEL;
  return kAnswers[set][DefaultButtonIndex(type)];
}

std::string MessageBoxLogLine(const std::string& text, unsigned type, int answer) {
  return IconField(type) + ButtonSetField(type) + DefaultButtonField(type) + AnswerField(answer) + text;
}

int MessageBoxLog(const std::string& text, unsigned type, unsigned helpContext) {
  UserInterface* ui = Installed();
  const int answer = ui ? ui->ShowMessageBox(text, type, helpContext) : DefaultAnswer(type);
  DbgLog(MessageBoxLogLine(text, type, answer));
  return answer;
}
