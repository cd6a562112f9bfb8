#include "publish/cause_text.h"

#include <cstdint>

namespace publish {

namespace {

constexpr int64_t kMiB = 1048576;

struct CauseWords {
  const char* english;
  const char* japanese;
};

// "%" stands for the cause's number.
CauseWords WordsOf(FailureCause::Kind kind) {
  switch (kind) {
    case FailureCause::Kind::ServerStatus: return {"the server answered %", "サーバーが % を返しました"};
    case FailureCause::Kind::ServerUnreachable:
      return {"the server could not be reached", "サーバーに接続できませんでした"};
    case FailureCause::Kind::NoAnswer: return {"the server did not answer", "サーバーから応答がありませんでした"};
    case FailureCause::Kind::Untrusted:
      return {"the server's certificate is not trusted (self_certificate in upfile.ini accepts a server's own one)",
              "サーバーの証明書を信頼できません（upfile.ini の self_certificate でサーバー独自の証明書を受け入れます）"};
    case FailureCause::Kind::AnswerTooLarge:
      return {"the server's answer is too large", "サーバーの応答が大きすぎます"};
    case FailureCause::Kind::TooLarge:
      return {"the file is larger than the limit of % MiB", "ファイルが上限の % MiB を超えています"};
    case FailureCause::Kind::DiskFull: return {"the disk is full", "ディスクがいっぱいです"};
    case FailureCause::Kind::Stopped: return {"the upload was stopped", "アップロードを中止しました"};
    case FailureCause::Kind::NothingToPublish: return {"nothing to publish", "公開するファイルがありません"};
    case FailureCause::Kind::FolderListed: return {"folders are not published", "フォルダーは公開できません"};
    case FailureCause::Kind::FileMissing: return {"the file is not there", "ファイルが見つかりません"};
    case FailureCause::Kind::NotRegularFile:
      return {"the file is not a regular file", "通常のファイルではありません"};
    case FailureCause::Kind::Unreadable: return {"the file cannot be read", "ファイルを読み込めません"};
    case FailureCause::Kind::FileChanged:
      return {"the file changed while it was copied", "コピー中にファイルが変更されました"};
    case FailureCause::Kind::BadDestination:
      return {"the destination cannot be used", "アップロード先を使用できません"};
    case FailureCause::Kind::Busy:
      return {"another upload did not finish in time", "別のアップロードが終わりませんでした"};
    case FailureCause::Kind::FileError: break;
  }
  return {"the file could not be read or written", "ファイルを読み書きできませんでした"};
}

}  // namespace

std::string CauseText(const FailureCause& cause, Language language) {
  const CauseWords words = WordsOf(cause.kind);
  std::string text = language == Language::Japanese ? words.japanese : words.english;
  const int64_t number = cause.kind == FailureCause::Kind::TooLarge ? cause.number / kMiB : cause.number;
  if (const size_t mark = text.find('%'); mark != std::string::npos) text.replace(mark, 1, std::to_string(number));
  return text;
}

}  // namespace publish
