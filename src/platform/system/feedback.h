// User feedback from the core: message boxes that are logged, notices, and
// progress reporters for long loops. Each thread has its own UserInterface
// (the front ends install one on every thread they run, a publishing job its
// own); without one, boxes answer their default button and progress and
// notices are dropped.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class Icon { None, Stop, Question, Exclamation, Information };
enum class DefaultButton { First, Second, Third };
enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct BoxStyle {
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  DefaultButton defaultButton = DefaultButton::First;
};

class UserInterface {
 public:
  virtual ~UserInterface();
  virtual Answer ShowMessageBox(const std::string& text, BoxStyle style) = 0;
  // Progress shown in the window title; an empty title restores the window's own.
  virtual void ShowProgressTitle(const std::string& title) = 0;
  // Lets the system deliver pending messages without removing input.
  virtual void PumpMessages() = 0;
  // A line for the person running the program that asks nothing; both front ends print it to standard error.
  virtual void ShowNotice(const std::string& /*notice*/) {}
};

// For the calling thread; nullptr = none. The object must outlive its installation.
void InstallUserInterface(UserInterface* ui);
UserInterface* InstalledUserInterface();

// Hands the notice to the calling thread's UserInterface.
void ShowNotice(const std::string& notice);

// The answer the box gives by itself: its default button.
Answer DefaultAnswer(BoxStyle style);

// Shows the box (or takes its default answer) and logs question and answer.
Answer MessageBoxLog(const std::string& text, BoxStyle style);

// The fixed-width debug-log line for a box and its answer.
std::string MessageBoxLogLine(const std::string& text, BoxStyle style, Answer answer);

// Counts steps of a loop; the display is refreshed only when the whole
// percentage changes and at most every 100 ms (CurrentClock().Ticks()).
class ProgressCounter {
 public:
  ProgressCounter(const std::string& title, unsigned total);
  virtual ~ProgressCounter();
  ProgressCounter(const ProgressCounter&) = delete;
  ProgressCounter& operator=(const ProgressCounter&) = delete;

  // With a total: one step on, back to 0 after the total.
  void Step();
  // Ignored above the total.
  void SetPosition(unsigned position);
  unsigned GetPosition() const;
  unsigned GetTotal() const;
  void SetTotal(unsigned total);
  const std::string& GetTitle() const;

 protected:
  // One display refresh; draws nothing here.
  virtual void Draw();
  // Puts the text (progress) into the window title and
  // lets pending messages through.
  void ShowInTitle(const std::string& text);

 private:
  std::string title_;
  unsigned position_ = 0;
  unsigned total_ = 0;
  bool shown_ = false;
};

// Steps counted by all reporters of the calling thread since the outermost one opened.
uint64_t ProgressStepCount();

// Window-title progress: title, two spaces, the overall step count and a
// 25-character bar of '*' and '.'.
class TitleProgress : public ProgressCounter {
 public:
  using ProgressCounter::ProgressCounter;

 protected:
  void Draw() override;
};

}  // namespace platform
