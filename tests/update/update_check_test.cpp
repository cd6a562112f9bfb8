#include "update/update_check.h"

#include <gtest/gtest.h>

#include "platform/fs/file_operations.h"
#include "suite/profile.h"
#include "suite/profile_location.h"

namespace {

using namespace update;

// Backslashes separate as slashes do; server and path meet at one slash.
TEST(UpdatePageAddress, SettingsWithSeparatorsMeetAtOneSlash) {
  for (const auto& [server, path, address] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"//h/", "/p/", "//h/p"}, {"h\\", "\\p\\q\\", "//h/p/q"}, {"\\\\h", "p\\\\q", "//h/p/q"}}) {
    suite::Profile(kProfile).WriteStr(kSection, kServerKey, server);
    suite::Profile(kProfile).WriteStr(kSection, kPathKey, path);
    EXPECT_EQ(UpdatePageAddress(), address) << server << " " << path;
  }
  platform::RemoveFile(suite::ResolveProfilePath(kProfile));
}

}  // namespace
