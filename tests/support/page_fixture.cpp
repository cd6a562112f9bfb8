#include "support/page_fixture.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include "platform/file_operations.h"
#include "platform/folders.h"
#include "platform/profile.h"
#include "support/sandbox.h"

namespace page_test {

void SetPreference(const std::string& key, const std::string& value) {
  platform::Profile profile;
  ASSERT_EQ(profile.WriteStr("Preference", key, value), 1) << key;
}

void MakeFile(const std::string& path, const std::string& content, int64_t modified) {
  sandbox::WriteFile(path, content);
  const timeval times[2] = {{static_cast<time_t>(modified), 0}, {static_cast<time_t>(modified), 0}};
  if (modified != 0) {
    ASSERT_EQ(::utimes(path.c_str(), times), 0) << path;
  }
}

std::string MakeStagingFolder() {
  const std::string folder = platform::GetProgramTempFolder() + "20261206/194905";
  EXPECT_TRUE(platform::CreateFolder(folder));
  return folder;
}

std::size_t Count(const std::string& text, const std::string& needle) {
  std::size_t count = 0;
  for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
    ++count;
  return count;
}

bool InOrder(const std::string& text, const std::vector<std::string>& needles) {
  std::size_t from = 0;
  for (const auto& needle : needles) {
    const auto at = text.find(needle, from);
    if (at == std::string::npos) {
      ADD_FAILURE() << "missing or out of order: " << needle;
      return false;
    }
    from = at + needle.size();
  }
  return true;
}

}  // namespace page_test
