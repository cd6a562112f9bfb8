#include "upfile/upload_failure_text.h"

std::string UploadFailureText(const std::vector<std::string>& failedFiles, const std::string& reason) {
  std::string text = "アップロードに失敗しました。";
  for (const std::string& file : failedFiles) text += "\nファイル: " + file;
  if (!reason.empty()) text += "\n理由: " + reason;
  return text;
}
