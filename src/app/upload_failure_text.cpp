#include "app/upload_failure_text.h"

#include "app/window_language.h"
#include "app/wx_text.h"

namespace app {

std::string UploadFailureText(const std::vector<publish::FileFailure>& failures) {
  std::string text = ToUtf8(Translated("アップロードに失敗しました。"));
  for (const publish::FileFailure& failure : failures) {
    if (!failure.listedPath.empty()) text += "\n" + ToUtf8(Translated("ファイル: ")) + failure.listedPath;
    text += "\n" + ToUtf8(Translated("理由: ")) +
            TranslatedCause(publish::CauseText(failure.cause, publish::Language::Japanese));
    if (!failure.detail.empty()) text += " (" + failure.detail + ")";
  }
  return text;
}

}  // namespace app
