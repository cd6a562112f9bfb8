#include "upfile/upload_failure_text.h"

#include <gtest/gtest.h>

TEST(UploadFailureText, NamesEveryFailedFileAndTheReason) {
  EXPECT_EQ(UploadFailureText({"/s/a.jpg", "/s/写真.png"}, "HTTP 413"),
            "アップロードに失敗しました。\nファイル: /s/a.jpg\nファイル: /s/写真.png\n理由: HTTP 413");
  EXPECT_EQ(UploadFailureText({}, "cannot create the staging folder"),
            "アップロードに失敗しました。\n理由: cannot create the staging folder");
}
