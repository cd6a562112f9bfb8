// The calling thread's UserInterface while the object lives: it answers every
// box with OK and keeps what the core showed.
#pragma once

#include <string>
#include <vector>

#include "platform/system/feedback.h"

struct RecordingUi : platform::UserInterface {
  RecordingUi() { platform::InstallUserInterface(this); }
  ~RecordingUi() override { platform::InstallUserInterface(nullptr); }
  platform::Answer ShowMessageBox(const std::string& text, platform::BoxStyle) override {
    messages.push_back(text);
    return platform::Answer::Ok;
  }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void PumpMessages() override {}
  void ShowNotice(const std::string& notice) override { notices.push_back(notice); }

  std::vector<std::string> messages, titles, notices;
};
