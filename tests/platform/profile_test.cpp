#include "platform/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/profile_location.h"
#include "platform/registry.h"
#include "platform/text_decode.h"
#include "support/debug_log_reader.h"
#include "support/manual_clock.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace {

std::string ProfileFolder() { return sandbox::Path("documents/Temp/z_Suite_Setting"); }

// A profile of its own for each test, with the given text in it (or none).
std::string MakeProfile(const std::string& name, const std::string& text) {
  const std::string path = ProfileFolder() + "/" + name + ".ini";
  std::filesystem::remove(path);
  if (!text.empty()) sandbox::WriteFile(path, text);
  return name;
}

std::string FileText(const std::string& name) { return platform::ReadTextFile(platform::ResolveProfilePath(name)); }

TEST(ProfileLocation, SharedFolderOfTheDocumentsUnlessConfigured) {
  EXPECT_EQ(platform::ResolveProfilePath("z_Suite"), ProfileFolder() + "/z_Suite.ini");
  EXPECT_EQ(platform::RegAccess(platform::GetFamilyKey()).GetStr("IniFullBase は", ""),
            ProfileFolder());  // shown to a person
  const std::string shared = sandbox::Path("documents/z_Suite_Setting");
  sandbox::MakeDirs(shared);
  EXPECT_EQ(platform::ResolveProfilePath(""), shared + "/z_Suite.ini");
  std::filesystem::remove(shared);

  platform::RegAccess family(platform::GetFamilyKey());
  ASSERT_TRUE(family.WriteStr("IniFullBase", sandbox::Root() + "//configured/"));
  EXPECT_EQ(platform::ResolveProfilePath(""), sandbox::Path("configured/z_Suite.ini"));
  ASSERT_TRUE(family.WriteStr("IniFullBase", ""));
}

TEST(ProfileSwitches, WriteBackAndTraceMakeEveryReadVisible) {
  platform::Profile plain(MakeProfile("plain", "[s]\r\nk=v\r\n"));
  EXPECT_EQ(plain.GetInt("s", "n", 5), 5);
  EXPECT_EQ(FileText("plain").find("n="), std::string::npos);
  platform::Profile recording(MakeProfile("recording", "[Debug]\r\nWrite=1\r\nLog=1\r\n[s]\r\nk=v\r\n"));
  EXPECT_EQ(recording.GetStr("s", "css", "a.css"), "a.css");
  EXPECT_NE(FileText("recording").find("\r\ncss=a.css\r\n"), std::string::npos);
  EXPECT_NE(DebugLogText().find("GetStr\t " + platform::ResolveProfilePath("recording") + "\t s\t css\t a.css\t a.css"),
            std::string::npos);
}

TEST(ProfileReads, TextIsCutAfter9999UnitsAndNeverInsideAPair) {
  platform::Profile profile(MakeProfile("long", ""));
  ASSERT_EQ(profile.WriteStr("s", "long", std::string(12000, 'x')), 1);
  EXPECT_EQ(profile.GetStr("s", "long", ""), std::string(9999, 'x'));
  ASSERT_EQ(profile.WriteStr("s", "pair", std::string(9998, 'y') + "😀z"), 1);
  EXPECT_EQ(profile.GetStr("s", "pair", ""), std::string(9998, 'y'));
}

TEST(ProfileReads, CacheKeepsTheFirstValueSeen) {
  const std::string path = ProfileFolder() + "/z_Suite.ini";
  sandbox::WriteFile(path, "[Debug\\2009_09]\r\nUseProfileCache=1\r\n[s]\r\nk=first\r\n");
  platform::Profile cached("z_Suite");
  EXPECT_EQ(cached.GetStr("s", "k", ""), "first");
  sandbox::WriteFile(path, "[s]\r\nk=changed\r\n");
  EXPECT_EQ(cached.GetStr("S", "K", ""), "first");
  std::filesystem::remove(path);
}

TEST(ProfileFile, RewrittenOnceAsUtf16WithANoteUnlessThatWouldLoseBytes) {
  ManualClock clock;
  ScopedEnv tz("TZ", "UTC0");
  clock.SetNow(1663000000);  // 2022-09-12 16:26:40 UTC
  const std::string name = MakeProfile("converted", "[s]\r\nname=日本語\r\n");
  platform::Profile profile(name);
  const std::string bytes = sandbox::ReadFile(platform::ResolveProfilePath(name));
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  const std::string rule = ";" + std::string(69, '-') + "\r\n";
  EXPECT_EQ(FileText(name), rule + ";\t2022/09/12 16:26:40\r\n" + rule + "[s]\r\nname=日本語\r\n");
  clock.SetNow(1663000001);
  platform::Profile again(name);
  EXPECT_EQ(sandbox::ReadFile(platform::ResolveProfilePath(name)), bytes);

  // A zero byte would cut the decoded text short: such a file stays as it is.
  const std::string zero = std::string("[s]\r\n;") + '\0' + "\r\nk=v\r\n";
  platform::Profile kept(MakeProfile("zero", zero));
  EXPECT_EQ(sandbox::ReadFile(platform::ResolveProfilePath("zero")), zero);
  EXPECT_EQ(kept.GetStr("s", "k", ""), "v");
}

}  // namespace
