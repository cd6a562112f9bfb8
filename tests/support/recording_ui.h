// The calling thread's UserInterface while the object lives: it keeps what
// the core showed.
#pragma once

#include <string>
#include <vector>

#include "platform/system/feedback.h"

struct RecordingUi : platform::UserInterface {
  RecordingUi() { platform::InstallUserInterface(this); }
  ~RecordingUi() override { platform::InstallUserInterface(nullptr); }
  void ShowProgressTitle(const std::string& title) override { titles.push_back(title); }
  void ShowNotice(const std::string& notice) override { notices.push_back(notice); }

  std::vector<std::string> titles, notices;
};
