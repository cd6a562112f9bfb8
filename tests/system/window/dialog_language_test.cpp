#include <gtest/gtest.h>
#include <wx/button.h>

#include <optional>

#include "app/control_id.h"
#include "app/upload_failure_text.h"
#include "app/window_language.h"
#include "app/wx_text.h"
#include "gui_support.h"
#include "support/scoped_env.h"

namespace {

using Kind = publish::FailureCause::Kind;

struct Words {
  std::string caption;
  std::vector<std::string> buttons;  // quit, clear list, upload, open in browser
  std::string failure;
};

// The failure text names each listed file, then its cause and the detail in brackets.
const Words kJapanese = {"html などのアップロード",
                         {"終了(&Q)", "リストのクリア(&C)", "アップロード(&U)", "ブラウザで開く(&O)"},
                         "アップロードに失敗しました。\nファイル: /写真 2026.jpg\n理由: サーバーが 500 を返しました (d)\n"
                         "ファイル: /b.bin\n理由: ファイルが上限の 10 MiB を超えています (d)\n理由: ディスクがいっぱいです (d)"};
const Words kEnglish = {"Upload html and other files",
                        {"&Quit", "&Clear list", "&Upload", "&Open in browser"},
                        "The upload failed.\nFile: /写真 2026.jpg\nReason: the server answered 500 (d)\n"
                        "File: /b.bin\nReason: the file is larger than the limit of 10 MiB (d)\n"
                        "Reason: the disk is full (d)"};

// Japanese under C and in Japanese, English for every other language, read
// as gettext reads it: LC_ALL before LC_MESSAGES before LANG, LANGUAGE first
// unless the locale is C.
TEST(DialogLanguage, JapaneseUnderCAndInJapaneseEnglishForEveryOtherLanguage) {
  using Env = std::optional<std::string>;
  for (const auto& [lcAll, lcMessages, lang, language, words] : std::vector<std::tuple<Env, Env, Env, Env, Words>>{
           {{}, {}, {}, {}, kJapanese},
           {{}, {}, "C", {}, kJapanese},
           {{}, {}, "C.UTF-8", "en", kJapanese},
           {{}, {}, "ja_JP.UTF-8", {}, kJapanese},
           {{}, {}, "en_US.UTF-8", {}, kEnglish},
           {{}, {}, "de_DE.UTF-8", {}, kEnglish},
           {{}, {}, "en_GB.UTF-8", "ja:en", kJapanese},
           {{}, {}, "ja_JP.UTF-8", "fr", kEnglish},
           {{}, "POSIX", "en_US.UTF-8", {}, kJapanese},
           {"ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8", {}, kJapanese},
           {"", "fr_FR.UTF-8", "ja_JP.UTF-8", {}, kEnglish}}) {
    const ScopedEnv a("LC_ALL", lcAll), m("LC_MESSAGES", lcMessages), l("LANG", lang), g("LANGUAGE", language);
    const std::string row = lcAll.value_or("-") + " " + lcMessages.value_or("-") + " " + lang.value_or("-") + " " +
                            language.value_or("-");
    app::UseWindowLanguage(WXPUB_BUILD_LOCALE_DIR);
    app::MainDialog* dialog = gui::OpenDialog();
    EXPECT_EQ(app::ToUtf8(dialog->GetTitle()), words.caption) << row;
    std::vector<std::string> labels;
    for (const app::ControlId id :
         {app::ControlId::Quit, app::ControlId::ClearList, app::ControlId::Upload, app::ControlId::OpenBrowser})
      labels.push_back(app::ToUtf8(dialog->FindWindow(app::Id(id))->GetLabel()));
    EXPECT_EQ(labels, words.buttons) << row;
    EXPECT_EQ(app::UploadFailureText({{"/写真 2026.jpg", {Kind::ServerStatus, 500}, "d"},
                                      {"/b.bin", {Kind::TooLarge, 10 << 20}, "d"}, {"", {Kind::DiskFull}, "d"}}),
              words.failure) << row;
    gui::CloseDialog(dialog);
  }
}

}  // namespace
