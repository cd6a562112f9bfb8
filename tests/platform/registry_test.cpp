#include "platform/registry.h"

#include <gtest/gtest.h>

#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace {

// A person sets values such as "IniFullBase" by editing the hive file.
TEST(RegAccess, ReadsWhatAPersonWroteAndKeepsTextAsWritten) {
  ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);  // the hive then lives below $HOME/.config
  sandbox::WriteFile(sandbox::Path("home/.config/z_Suite/registry.ini"),
                     "[Software\\z_Suite\\z_Suite]\n"
                     "IniFullBase = /srv/settings\n");
  platform::RegAccess key("Software\\z_Suite\\z_Suite");
  EXPECT_EQ(key.GetStr("inifullbase", ""), "/srv/settings");
  ASSERT_TRUE(key.WriteStr("IniFullBase は", "  /srv/共有 \"x\" "));
  EXPECT_EQ(key.GetStr("IniFullBase は", ""), "  /srv/共有 \"x\" ");
  EXPECT_EQ(key.GetStr("IniFullBase", ""), "/srv/settings");
}

}  // namespace
