#include "platform/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_status.h"
#include "platform/profile_location.h"
#include "platform/registry.h"
#include "platform/text_decode.h"
#include "support/debug_log_reader.h"
#include "support/sandbox.h"

namespace {

std::string ProfileFolder() { return sandbox::Path("documents/Temp/z_Suite_Setting"); }

// A profile of its own for each test, with the given text in it (or none).
std::string MakeProfile(const std::string& name, const std::string& text) {
  const std::string path = ProfileFolder() + "/" + name + ".ini";
  std::filesystem::remove(path);
  if (!text.empty()) sandbox::WriteFile(path, text);
  return name;
}

std::string FileText(const Profile& profile) { return ReadTextFile(profile.GetPath()); }

TEST(ProfileLocation, NamesResolveIntoTheSharedFolderUnlessOverridden) {
  EXPECT_EQ(GetProfileFolder(), ProfileFolder());
  EXPECT_TRUE(platform::FolderExists(ProfileFolder()));
  EXPECT_EQ(Profile("abc").GetPath(), ProfileFolder() + "/abc.ini");
  EXPECT_EQ(Profile("x.INI").GetPath(), ProfileFolder() + "/x.INI");
  EXPECT_EQ(Profile().GetPath(), ProfileFolder() + "/z_Suite.ini");
  EXPECT_EQ(Profile(sandbox::Path("elsewhere/own")).GetPath(), sandbox::Path("elsewhere/own.ini"));

  EXPECT_EQ(RegAccess("Software\\z_Suite").GetStr("RegKey_Base は", ""), "z_Suite");
  EXPECT_EQ(RegAccess(GetFamilyKey()).GetStr("IniFullBase は", ""), ProfileFolder());

  const std::string shared = sandbox::Path("documents/z_Suite_Setting");
  sandbox::MakeDirs(shared);
  EXPECT_EQ(GetProfileFolder(), shared);
  std::filesystem::remove(shared);

  RegAccess family(GetFamilyKey());
  ASSERT_EQ(family.WriteStr("IniFullBase", sandbox::Root() + "//configured/"), 1);
  EXPECT_EQ(Profile("abc").GetPath(), sandbox::Path("configured/abc.ini"));
  EXPECT_EQ(family.GetStr("IniFullBase は", ""), sandbox::Path("configured"));
  ASSERT_EQ(family.DeleteValue("IniFullBase"), 1);
  EXPECT_EQ(GetProfileFolder(), ProfileFolder());
}

TEST(ProfileSwitches, WriteBackRecordsEveryKeyRead) {
  Profile plain(MakeProfile("plain", "[Debug]\r\nWrite=0\r\n"));
  EXPECT_EQ(plain.GetInt("Preference", "tbl_cols", 5), 5);
  EXPECT_EQ(FileText(plain).find("tbl_cols"), std::string::npos);
  Profile recording(MakeProfile("recording", "[Debug]\r\nWrite=1\r\n"));
  EXPECT_EQ(recording.GetInt("Preference", "tbl_cols", 5), 5);
  EXPECT_EQ(recording.GetStr("Preference", "css", "a.css"), "a.css");
  const std::string text = FileText(recording);
  for (const char* line : {"tbl_cols=5\r\n", "css=a.css\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
  }
}

TEST(ProfileSwitches, TraceLogsEveryRead) {
  Profile traced(MakeProfile("traced", "[Debug]\r\nLog=1\r\n[s]\r\nk=v\r\n"));
  EXPECT_EQ(traced.GetStr("s", "k", "d"), "v");
  EXPECT_EQ(traced.GetInt("s", "n", 4), 4);
  const std::string log = DebugLogText();
  EXPECT_NE(log.find("GetStr\t " + traced.GetPath() + "\t s\t k\t d\t v"), std::string::npos) << log;
  EXPECT_NE(log.find("GetInt\t " + traced.GetPath() + "\t s\t n\t 4\t 4"), std::string::npos) << log;
}

TEST(ProfileReads, TextIsCutAfter9999Units) {
  Profile profile(MakeProfile("long", ""));
  ASSERT_EQ(profile.WriteStr("s", "long", std::string(12000, 'x')), 1);
  EXPECT_EQ(profile.GetStr("s", "long", ""), std::string(9999, 'x'));

  // A character outside the BMP takes two units; half of one is not kept.
  ASSERT_EQ(profile.WriteStr("s", "pair", std::string(9998, 'y') + "😀z"), 1);
  EXPECT_EQ(profile.GetStr("s", "pair", ""), std::string(9998, 'y'));
}

TEST(ProfileReads, CacheServesTheDefaultProfileOnly) {
  const std::string path = ProfileFolder() + "/z_Suite.ini";
  sandbox::WriteFile(path, "[Debug\\2009_09]\r\nUseProfileCache=1\r\n[s]\r\nk=first\r\n");
  Profile cached;
  Profile other(sandbox::Path("documents/Temp/z_Suite_Setting/z_Suite_copy"));
  sandbox::WriteFile(other.GetPath(), sandbox::ReadFile(path));
  EXPECT_EQ(cached.GetStr("s", "k", ""), "first");
  EXPECT_EQ(other.GetStr("s", "k", ""), "first");

  sandbox::WriteFile(path, "[s]\r\nk=changed\r\n");
  sandbox::WriteFile(other.GetPath(), "[s]\r\nk=changed\r\n");
  EXPECT_EQ(cached.GetStr("S", "K", ""), "first");
  EXPECT_EQ(other.GetStr("s", "k", ""), "changed");
  std::filesystem::remove(path);
}

TEST(ProfileFile, RewrittenOnceAsUtf16WithANote) {
  const std::string name = MakeProfile("converted", "[s]\r\nname=日本語\r\n");
  Profile profile(name);
  const std::string bytes = sandbox::ReadFile(profile.GetPath());
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  const std::string text = FileText(profile);
  const std::string rule = ";" + std::string(69, '-') + "\r\n";
  ASSERT_EQ(text.substr(0, rule.size()), rule);
  const size_t stamp = rule.size();
  EXPECT_EQ(text.substr(stamp, 2), ";\t");
  EXPECT_EQ(text.find("\r\n", stamp), stamp + 2 + 19);  // "%Y/%m/%d %H:%M:%S"
  EXPECT_EQ(text.substr(stamp + 2 + 19 + 2), rule + "[s]\r\nname=日本語\r\n");
  EXPECT_EQ(profile.GetStr("s", "name", ""), "日本語");

  Profile again(name);
  EXPECT_EQ(sandbox::ReadFile(again.GetPath()), bytes);

  // A zero byte would cut the decoded text short: such a file stays as it is.
  const std::string zero = std::string("[s]\r\n;") + '\0' + "\r\nk=v\r\n";
  Profile kept(MakeProfile("zero", zero));
  EXPECT_EQ(sandbox::ReadFile(kept.GetPath()), zero);
  EXPECT_EQ(kept.GetStr("s", "k", ""), "v");
}

}  // namespace
