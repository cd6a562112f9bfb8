#include "app/upload_failure_text.h"

namespace app {

std::string UploadFailureText(const std::vector<publish::FileFailure>& failures) {
  std::string text = "アップロードに失敗しました。";
  for (const publish::FileFailure& failure : failures) {
    if (!failure.listedPath.empty()) text += "\nファイル: " + failure.listedPath;
    text += "\n理由: " + publish::CauseText(failure.cause, publish::Language::Japanese);
    if (!failure.detail.empty()) text += " (" + failure.detail + ")";
  }
  return text;
}

}  // namespace app
