#include "publish/settings_file.h"

#include <gtest/gtest.h>

namespace publish {

// The value of a key in section [Preference_202206] of a text.
TEST(SettingsText, FindsTheValue) {
  const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
      {"server=outside\n[Other]\nserver=other\n[Preference_202206]\n; server=commented\n\n  server  =  my.host  \n",
       "server", "my.host"},
      {"[Preference_202206]\nphp_fn=/a/b.php\n[Later]\nopen_http=http\n", "open_http", std::nullopt},
      // Names match without regard to case.
      {"[PREFERENCE_202206]\rSERVER=up.example\r", "server", "up.example"},
      {"[Preference_202206]\nazAZ=1\n", "AZaz", "1"},
      // A key matches as the prefix of a line with a "=" behind the whole key.
      {"[Preference_202206]\nserverX=wrong\nserver=right\n", "server", "wrong"},
      {"[Preference_202206]\nserver\nserver=a\n", "server", "a"},
      {"[Preference_202206]\nup_max=1\nup_max_file_size=5\n", "up_max_file_size", "5"},
      // A present empty value differs from a missing key.
      {"[Preference_202206]\nopen_http=\n", "open_http", ""}, {"[Preference_202206]\n", "open_http", std::nullopt},
      {"[Preference_202206]\r\n\tk = \xE3\x80\x80 x \xE3\x80\x80 \r\n", "k", "x"},   // blanks of any kind go
      // Later "=" stay; one matching pair of quotes goes.
      {"[Preference_202206]\nphp_fn=/up.php?User=a=b\n", "php_fn", "/up.php?User=a=b"},
      {"[Preference_202206]\nk='x'\n", "k", "x"}, {"[Preference_202206]\nk=\"\"\n", "k", ""},
      {"[Preference_202206]\nk=\"\n", "k", "\""}, {"[Preference_202206]\nk=\"a'\n", "k", "\"a'"},
      {"[Preference_202206]\nk=\"\"a\"\"\n", "k", "\"a\""},
      // A header may carry text behind it; a section ends at the next header.
      {"[Preference_202206] ; main\nk=1\n", "k", "1"}, {"[Preference_2022067]\nk=1\n", "k", std::nullopt},
      {"[Preference_202206]\n[not a header\nk=1\n", "k", "1"},
      // The first section of that name is the one read.
      {"[Preference_202206]\na=1\n[Preference_202206]\nk=2\n", "k", std::nullopt},
  };
  for (const auto& [text, key, value] : cases)
    EXPECT_EQ(FindSettingValue(SplitSettingLines(text), "Preference_202206", key), value) << text;
}

}  // namespace publish
