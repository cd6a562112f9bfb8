#include <gtest/gtest.h>

#include "upfile/upload_settings.h"

TEST(SizeLimit, ParsesLikeWcstoulWithA32BitResult) {
  constexpr uint32_t kMiB = 1048576;
  EXPECT_EQ(SizeLimitFromText("10M"), 10 * kMiB);
  EXPECT_EQ(SizeLimitFromText("10"), 10 * kMiB);
  EXPECT_EQ(SizeLimitFromText("  7M"), 7 * kMiB);
  EXPECT_EQ(SizeLimitFromText(""), 1 * kMiB);
  EXPECT_EQ(SizeLimitFromText("32"), 32 * kMiB);
  EXPECT_EQ(SizeLimitFromText("65539"), 3 * kMiB);   // low 16 bits are 3
  EXPECT_EQ(SizeLimitFromText("+5"), 5 * kMiB);
  EXPECT_EQ(SizeLimitFromText("-5"), 32 * kMiB);     // wraps to 0xFFFFFFFB
  EXPECT_EQ(SizeLimitFromText("99999999999"), 32 * kMiB);  // saturates at 0xFFFFFFFF
  EXPECT_EQ(SizeLimitFromText("0x10"), 1 * kMiB);    // base 10: stops at 'x'
}

TEST(PageFolder, UsesScriptFolderWithDataOrTheUserFolder) {
  EXPECT_EQ(PageFolderOf("//host/z_Suite/upload/share/upload.php"), "//host/z_Suite/upload/share/data/");
  EXPECT_EQ(PageFolderOf("//host/Test/upload/up.php"), "//host/Test/upload/data/");
  EXPECT_EQ(PageFolderOf("//host/up/up.php?User=abc"), "//host/up/abc/");
  EXPECT_EQ(PageFolderOf("//host/up/up.php?User="), "//host/up//");
  EXPECT_EQ(PageFolderOf("//host/up/up.php?x=1&User=abc&y=2"), "//host/up/abc&y=2/");
  EXPECT_EQ(PageFolderOf("//host/up/up.phpUser=me"), "//host/up/me/");
}

TEST(PageFolder, BackslashWinsOverSlashAndNoSeparatorGivesBareFolder) {
  // the last backslash splits even when slashes follow it
  EXPECT_EQ(PageFolderOf("//host/a\\b/up.php"), "//host/a/data/");
  EXPECT_EQ(PageFolderOf("\\\\srv\\share\\up.php"), "\\\\srv\\share/data/");
  EXPECT_EQ(PageFolderOf("up.php"), "data/");
  EXPECT_EQ(PageFolderOf("up.php?User=u"), "u/");
  EXPECT_EQ(PageFolderOf("/up.php"), "data/");
}

TEST(BrowserAddress, AddsSchemeColonOnlyForNonEmptyScheme) {
  EXPECT_EQ(BrowserAddressOf("https", "//host/up/data/"), "https://host/up/data/");
  EXPECT_EQ(BrowserAddressOf("http", "//host/up/data/"), "http://host/up/data/");
  EXPECT_EQ(BrowserAddressOf("", "//host/up/data/"), "//host/up/data/");
  EXPECT_EQ(BrowserAddressOf("https", "//host/up\\"), "https://host/up\\");
  EXPECT_EQ(BrowserAddressOf("https", "//host/up"), "https://host/up/");
}
