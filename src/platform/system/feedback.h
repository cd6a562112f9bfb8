// User feedback from the core: notices, and progress reporters for long
// loops. Each thread has its own UserInterface (the front ends install one on
// every thread they run); without one, progress and notices are dropped.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class UserInterface {
 public:
  virtual ~UserInterface();
  // Every hook does nothing by default, as on a thread without a window.
  // Progress shown in the window title; an empty title restores the window's own.
  virtual void ShowProgressTitle(const std::string& /*title*/) {}
  // Lets the system deliver pending messages without removing input.
  virtual void PumpMessages() {}
  // A line for the person running the program that asks nothing; both front ends print it to standard error.
  virtual void ShowNotice(const std::string& /*notice*/) {}
};

// For the calling thread; nullptr = none. The object must outlive its installation.
void InstallUserInterface(UserInterface* ui);
UserInterface* InstalledUserInterface();

// Hands the notice to the calling thread's UserInterface.
void ShowNotice(const std::string& notice);

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
