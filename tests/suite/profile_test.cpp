#include "suite/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fs/file_io.h"
#include "suite/profile_location.h"
#include "suite/profile_text.h"
#include "suite/registry.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

using namespace platform;
using namespace suite;
using namespace std::string_literals;

namespace {

// A profile of its own for each test, with the given text in it.
std::string MakeProfile(const std::string& name, const std::string& text) {
  sandbox::WriteFile(sandbox::Path("documents/Temp/z_Suite_Setting/" + name + ".ini"), text);
  return name;
}

}  // namespace

// A person sets "IniFullBase" by editing the hive file; the start-up writes what it uses beside it.
TEST(ProfileLocation, ANameGetsTheFolderAndExtensionItLacks) {
  EXPECT_EQ(ResolveProfilePath("z.INI"), sandbox::Path("documents/Temp/z_Suite_Setting/z.INI"));
  EXPECT_EQ(ResolveProfilePath("/abs/ini"), "/abs/ini.ini");
  EXPECT_FALSE(std::filesystem::exists(RegAccess::HiveFilePath())) << "finding the folder writes nothing";
  PrepareProfileFolder();
  EXPECT_TRUE(std::filesystem::is_directory(sandbox::Path("documents/Temp/z_Suite_Setting")));
  EXPECT_EQ(RegAccess(GetFamilyKey()).GetStr("IniFullBase は", ""), sandbox::Path("documents/Temp/z_Suite_Setting"));
  EXPECT_EQ(RegAccess("Software\\z_Suite").GetStr("RegKey_Base は", ""), "z_Suite");
  sandbox::WriteFile(RegAccess::HiveFilePath(), "[Software\\z_Suite\\z_Suite]\nIniFullBase = \"" + sandbox::Root() + "//set/\"\n");
  EXPECT_EQ(ResolveProfilePath(""), sandbox::Path("set/z_Suite.ini"));
  std::filesystem::remove(RegAccess::HiveFilePath());
}

TEST(Profile, TextIsCutAfter9999UnitsNeverInsideAPairAndWriteBackTraceAndCacheSwitchesWork) {
  Profile plain(MakeProfile("plain", "[s]\r\nk=v\r\n"));
  ASSERT_TRUE(plain.WriteStr("s", "long", std::string(9998, 'y') + "😀z"));
  EXPECT_EQ(plain.GetStr("s", "long", ""), std::string(9998, 'y'));
  ASSERT_TRUE(plain.WriteStr("s", "long", std::string(9998, 'y') + "zz"));
  EXPECT_EQ(plain.GetStr("s", "long", ""), std::string(9998, 'y') + "z");
  Profile recording(MakeProfile("recording", "[Debug]\r\nWrite=1\r\nLog=1\r\n[s]\r\nk=v\r\n"));
  EXPECT_EQ(recording.GetStr("s", "css", "a.css"), "a.css");
  EXPECT_NE(ReadTextFile(ResolveProfilePath("recording")).find("\r\ncss=a.css\r\n"), std::string::npos);
  Profile cached(MakeProfile("z_Suite", "[Debug\\2009_09]\r\nUseProfileCache=1\r\n[s]\r\nk=first\r\n"));
  EXPECT_EQ(cached.GetStr("s", "k", ""), "first");
  MakeProfile("z_Suite", "[s]\r\nk=changed\r\n");
  EXPECT_EQ(cached.GetStr("S", "K", ""), "first");
}

// Rewritten as UTF-16 with a note at the first write, never by reading, and
// never when that would lose bytes.
TEST(Profile, AnyOtherEncodingIsRewrittenAsUtf16WithANoteAtTheFirstWrite) {
  ManualClock clock;
  ScopedEnv tz("TZ", "UTC0");
  clock.now = 1663000000;  // 2022-09-12 16:26:40 UTC
  Profile converted(MakeProfile("converted", "[s]\r\nname=日本語\r\n"));
  const std::string path = ResolveProfilePath("converted");
  EXPECT_EQ(converted.GetStr("s", "name", ""), "日本語");
  EXPECT_EQ(sandbox::ReadFile(path), "[s]\r\nname=日本語\r\n");
  ASSERT_TRUE(converted.WriteStr("s", "more", "語"));
  const std::string rule = ";" + std::string(69, '-') + "\r\n";
  EXPECT_EQ(ReadTextFile(path), rule + ";\t2022/09/12 16:26:40\r\n" + rule + "[s]\r\nname=日本語\r\nmore=語\r\n");
  for (const std::string& kept : {sandbox::ReadFile(path), "[s]\r\n;\0\r\nk=v\r\n"s, "\xFE\xFF\0[\0s\0]"s, "\xE6\x97"s, ""s}) {
    RewriteProfileAsUtf16(ResolveProfilePath(MakeProfile("kept", kept)));
    EXPECT_EQ(sandbox::ReadFile(ResolveProfilePath("kept")), kept);
  }
}
