#include "platform/registry.h"

#include <gtest/gtest.h>

#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace {

TEST(RegAccess, KeepsTypedValuesInOneFile) {
  RegAccess key("Software\\z_Suite\\RegTest\\Typed");
  EXPECT_EQ(key.WriteInt("Wait_MaxCount_sec", 30), 1);
  EXPECT_EQ(key.WriteInt("all bits", 0xFFFFFFFFu), 1);
  EXPECT_EQ(key.WriteStr("IniFullBase は", "  /srv/共有 \"x\" "), 1);
  EXPECT_EQ(key.WriteStr("", "default value"), 1);

  EXPECT_EQ(key.GetInt("wait_maxcount_SEC", 10), 30);
  EXPECT_EQ(key.GetInt("all bits", 0), -1);
  EXPECT_EQ(key.GetStr("IniFullBase は", ""), "  /srv/共有 \"x\" ");
  EXPECT_EQ(key.GetStr("", ""), "default value");
  EXPECT_EQ(key.GetStr("absent", "def"), "def");
  EXPECT_EQ(key.GetStr("Wait_MaxCount_sec", "not text"), "not text");

  // Another spelling of the same path reaches the same key.
  EXPECT_EQ(RegAccess("\\software\\Z_SUITE\\\\RegTest\\Typed\\").GetInt("Wait_MaxCount_sec", 10), 30);

  const std::string file = sandbox::ReadFile(sandbox::Path("config/z_Suite/registry.ini"));
  EXPECT_NE(file.find("[Software\\z_Suite\\RegTest\\Typed]\r\n"
                      "Wait_MaxCount_sec=dword:0000001e\r\n"
                      "all bits=dword:ffffffff\r\n"
                      "IniFullBase は=\"  /srv/共有 \"x\" \"\r\n"
                      "@=\"default value\"\r\n"),
            std::string::npos)
      << file;
}

TEST(RegAccess, ReadsValuesAPersonWroteByHand) {
  const std::string path = sandbox::Path("hand/z_Suite/registry.ini");
  sandbox::WriteFile(path,
                     "[Software\\z_Suite\\z_Suite\\FileWait]\n"
                     "Wait_MaxCount_sec = 3\n"
                     "hex = DWORD:0000000A\n"
                     "broken = dword:xyz\n"
                     "word = abc\n");
  ScopedEnv config("XDG_CONFIG_HOME", sandbox::Path("hand"));
  RegAccess key("Software\\z_Suite\\z_Suite\\FileWait");
  EXPECT_EQ(key.GetInt("Wait_MaxCount_sec", 10), 3);
  EXPECT_EQ(key.GetInt("hex", 0), 10);
  EXPECT_EQ(key.GetInt("broken", 5), 5);
  EXPECT_EQ(key.GetStr("word", ""), "abc");
}

TEST(RegAccess, HiveFollowsTheConfigFolder) {
  {
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(RegAccess::HiveFilePath(), sandbox::Path("home/.config/z_Suite/registry.ini"));
    EXPECT_EQ(RegAccess("Software\\x").WriteInt("v", 1), 1);
    EXPECT_EQ(sandbox::ReadFile(sandbox::Path("home/.config/z_Suite/registry.ini")),
              "[Software\\x]\r\nv=dword:00000001\r\n");
  }
  EXPECT_EQ(RegAccess::HiveFilePath(), sandbox::Path("config/z_Suite/registry.ini"));
}

TEST(RegAccess, FailuresKeepTheirTextInTheObject) {
  RegAccess key("Software\\z_Suite\\RegTest\\Failures");
  ASSERT_EQ(key.WriteInt("a", 1), 1);
  ASSERT_EQ(key.WriteInt("b", 2), 1);
  EXPECT_EQ(key.DeleteValue("A"), 1);
  EXPECT_EQ(key.GetInt("b", -1), 2);
  EXPECT_EQ(key.DeleteKey(), 1);
  EXPECT_EQ(key.GetInt("b", -1), -1);
  EXPECT_EQ(key.DeleteValue("absent"), 0);
  EXPECT_EQ(key.GetErrorText(), "削除に失敗　　値　　　　　");
  EXPECT_EQ(key.DeleteKey(), 0);
  EXPECT_EQ(key.GetErrorText(), "削除に失敗　　キー　　　　");
  EXPECT_EQ(key.WriteStr("lines", "one\ntwo"), 0);
  EXPECT_EQ(key.GetErrorText(), "登録に失敗　　　　　　　　Software\\z_Suite\\RegTest\\Failures\\[lines]");

  sandbox::WriteFile(sandbox::Path("blocked"), "a file where the config folder should be");
  ScopedEnv config("XDG_CONFIG_HOME", sandbox::Path("blocked"));
  RegAccess blocked("Software\\z_Suite");
  EXPECT_EQ(blocked.WriteInt("n", 1), 0);
  EXPECT_EQ(blocked.GetErrorText(), "登録に失敗　　　　　　　　Software\\z_Suite\\[n]");
}

}  // namespace
