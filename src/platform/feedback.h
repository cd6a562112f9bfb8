// User feedback from the core: message boxes that are logged, and progress
// reporters for long loops. The dialog installs a UserInterface; without one,
// boxes answer their default button and progress draws nothing.
#pragma once

#include <cstdint>
#include <string>

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_TYPEMASK = 0x0F;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class UserInterface {
 public:
  virtual ~UserInterface();
  virtual int ShowMessageBox(const std::string& text, unsigned type, unsigned helpContext) = 0;
  // Progress shown in the window title; an empty title restores the window's own.
  virtual void ShowProgressTitle(const std::string& title) = 0;
  // Lets the system deliver pending messages without removing input.
  virtual void PumpMessages() = 0;
};

// nullptr = none. The object must outlive its installation.
void InstallUserInterface(UserInterface* ui);
UserInterface* InstalledUserInterface();

// The answer the box gives by itself: its default button.
int DefaultAnswer(unsigned type);

// Shows the box (or takes its default answer) and logs question and answer.
int MessageBoxLog(const std::string& text, unsigned type, unsigned helpContext = 0);

// The fixed-width debug-log line for a box and its answer.
std::string MessageBoxLogLine(const std::string& text, unsigned type, int answer);

// Counts steps of a loop; the display is refreshed only when the whole
// percentage changes and at most every 100 ms (GetTickCount).
class MessageBase {
 public:
  MessageBase(const std::string& title, unsigned total);
  virtual ~MessageBase();
  MessageBase(const MessageBase&) = delete;
  MessageBase& operator=(const MessageBase&) = delete;

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
  // Puts the text into the window title and lets pending messages through.
  void ShowInTitle(const std::string& text);

 private:
  std::string title_;
  unsigned position_ = 0;
  unsigned total_ = 0;
  bool shown_ = false;
};

// Steps counted by all reporters since the outermost one opened.
uint64_t ProgressStepCount();

// Window-title progress: title, two spaces, the overall step count and a
// 25-character bar of '*' and '.'.
class MessageMFC : public MessageBase {
 public:
  using MessageBase::MessageBase;

 protected:
  void Draw() override;
};

// Waiting notice: "%s  (%d/%d)  " of title, position and total.
class Message : public MessageBase {
 public:
  using MessageBase::MessageBase;

 protected:
  void Draw() override;
};
