// A clean settings folder per test, and ways to arrange the settings file.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/folders.h"
#include "support/sandbox.h"
#include "upfile/upload_settings.h"

constexpr uint32_t kMiB = 1048576;

class UploadSettings : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::remove_all(sandbox::Path("documents/Temp")); }

  static void MakeSettingsFolder() { sandbox::MakeDirs(GetSettingsFolder()); }

  static void WriteSettings(const std::string& body) {
    sandbox::WriteFile(SettingsFilePath(), "[Preference_202206]\r\n" + body);
  }

  static void PretendWrittenLongAgo() {
    std::filesystem::last_write_time(SettingsFilePath(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  }
};
