#include "app/upload_failure_text.h"

#include <gtest/gtest.h>

TEST(UploadFailureText, NamesEachListedFileThenItsCauseAndTheDetailInBrackets) {
  using Kind = publish::FailureCause::Kind;
  EXPECT_EQ(app::UploadFailureText({{"/s/写真 2026.jpg", {Kind::ServerStatus, 500}, "http://h/up.php: HTTP status 500"},
                                    {"/s/b.bin", {Kind::TooLarge, 10485760}, "file of 12 bytes"},
                                    {"", {Kind::DiskFull}, "Can't create a staging folder in /t"}}),
            "アップロードに失敗しました。\n"
            "ファイル: /s/写真 2026.jpg\n理由: サーバーが 500 を返しました (http://h/up.php: HTTP status 500)\n"
            "ファイル: /s/b.bin\n理由: ファイルが上限の 10 MiB を超えています (file of 12 bytes)\n"
            "理由: ディスクがいっぱいです (Can't create a staging folder in /t)");
}
