// The window's message boxes: every question and its answer go to the debug
// log in a fixed-width line, whether a person answered or the default did.
#pragma once

#include <string>

class wxWindow;

namespace app {

enum class Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class Icon { None, Stop, Question, Exclamation, Information };
enum class DefaultButton { First, Second, Third };
enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct BoxStyle {
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  DefaultButton defaultButton = DefaultButton::First;
};

// Shows the box over parent (none: its default button answers) and logs
// question and answer in a fixed-width line.
Answer MessageBoxLog(wxWindow* parent, const std::string& text, BoxStyle style);

}  // namespace app
