#include "publish/settings_file.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

std::optional<std::string> Find(std::string_view text, std::string_view key,
                                std::string_view section = "Preference_202206") {
  return FindSettingValue(SplitSettingLines(text), section, key);
}

}  // namespace

TEST(SettingsText, SplitsOnAnyLineEndAndTrimsEachLine) {
  const SettingLines lines = SplitSettingLines(" a = 1 \r\n\tb\n\nc\rd\xE3\x80\x80\r\n");
  EXPECT_EQ(lines, (SettingLines{"a = 1", "b", "", "c", "d"}));
  EXPECT_TRUE(SplitSettingLines("").empty());
}

TEST(SettingsText, FindsTheValueInTheNamedSectionOnly) {
  const char* text =
      "server=outside\r\n"
      "[Other]\r\nserver=other\r\n"
      "[Preference_202206]\r\n; server=commented\r\n\r\n  server  =  my.host  \r\nphp_fn=/a/b.php\r\n"
      "[Later]\r\nopen_http=http\r\n";
  EXPECT_EQ(Find(text, "server"), "my.host");
  EXPECT_EQ(Find(text, "php_fn"), "/a/b.php");
  EXPECT_EQ(Find(text, "open_http"), std::nullopt);  // belongs to the next section
  EXPECT_EQ(Find(text, "server", "Missing"), std::nullopt);
  EXPECT_EQ(Find(text, "server", "Later"), std::nullopt);
}

TEST(SettingsText, NamesMatchWithoutRegardToCase) {
  const char* text = "[PREFERENCE_202206]\nSERVER=up.example\n";
  EXPECT_EQ(Find(text, "server"), "up.example");
  EXPECT_EQ(Find("[preference_202206]\nDebug=1\n", "Debug"), "1");
}

TEST(SettingsText, KeyMatchesAsThePrefixOfALine) {
  EXPECT_EQ(Find("[Preference_202206]\nserverX=wrong\nserver=right\n", "server"), "wrong");
  EXPECT_EQ(Find("[Preference_202206]\nserver_backup = b\nserver = a\n", "server"), "b");
  // A line that begins with the key but has no "=" behind it is passed over.
  EXPECT_EQ(Find("[Preference_202206]\nserver\nserver=a\n", "server"), "a");
  // The "=" must stand behind the whole key.
  EXPECT_EQ(Find("[Preference_202206]\nup_max=1\nup_max_file_size=5\n", "up_max_file_size"), "5");
}

TEST(SettingsText, PresentEmptyValueDiffersFromMissingKey) {
  EXPECT_EQ(Find("[Preference_202206]\nopen_http=\n", "open_http"), "");
  EXPECT_EQ(Find("[Preference_202206]\nopen_http =   \n", "open_http"), "");
  EXPECT_EQ(Find("[Preference_202206]\n", "open_http"), std::nullopt);
}

TEST(SettingsText, ValueKeepsLaterEqualsAndLosesOneMatchingQuotePair) {
  EXPECT_EQ(Find("[Preference_202206]\nphp_fn=/up.php?User=a=b\n", "php_fn"), "/up.php?User=a=b");
  EXPECT_EQ(Find("[Preference_202206]\nk=\"a b\"\n", "k"), "a b");
  EXPECT_EQ(Find("[Preference_202206]\nk='x'\n", "k"), "x");
  EXPECT_EQ(Find("[Preference_202206]\nk=\"\"\n", "k"), "");
  EXPECT_EQ(Find("[Preference_202206]\nk=\"\n", "k"), "\"");
  EXPECT_EQ(Find("[Preference_202206]\nk=\"a'\n", "k"), "\"a'");
  EXPECT_EQ(Find("[Preference_202206]\nk=\"\"a\"\"\n", "k"), "\"a\"");
}

TEST(SettingsText, SectionHeaderMayCarryTextBehindItAndSectionsEndAtTheNextHeader) {
  EXPECT_EQ(Find("[Preference_202206] ; main\nk=1\n", "k"), "1");
  EXPECT_EQ(Find("[Preference_2022067]\nk=1\n", "k"), std::nullopt);
  // A line that begins with "[" but is no header does not end the section.
  EXPECT_EQ(Find("[Preference_202206]\n[not a header\nk=1\n", "k"), "1");
  EXPECT_EQ(Find("[Preference_202206]\n[x]\nk=1\n", "k"), std::nullopt);
  // The first section of that name is the one read.
  EXPECT_EQ(Find("[Preference_202206]\na=1\n[Preference_202206]\nk=2\n", "k"), std::nullopt);
}

}  // namespace publish
