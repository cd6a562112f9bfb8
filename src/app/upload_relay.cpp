#include "app/upload_relay.h"

#include "app/dialog_user_interface.h"
#include "app/upload_title.h"
#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/fs/temp_folder.h"
#include "platform/system/clock.h"

namespace app {

namespace {

// A file sent faster than this shows no percentage, which would only flicker.
constexpr uint64_t kMomentMs = 500;

}  // namespace

UploadRelay::UploadRelay(wxEvtHandler& window, platform::UserInterface& ui)
    : window_(window), ui_(ui), previous_(platform::InstalledUserInterface()), trace_(TraceOnWindowThread(window)) {
  platform::InstallUserInterface(this);
}

UploadRelay::~UploadRelay() { platform::InstallUserInterface(previous_); }

void UploadRelay::OnTrace(const std::string& text, publish::TraceStream stream) { trace_(stream, text); }

// The catalog is only read once the window is up, so any thread may look in it.
void UploadRelay::OnProgress(const publish::Progress& progress) {
  using Phase = publish::Progress::Phase;
  if (progress.phase != Phase::Sending) {
    ShowTitle(progress.phase == Phase::Waiting ? ToUtf8(Translated("別のアップロードの終了を待っています...")) : "");
    return;
  }
  const uint64_t now = platform::CurrentClock().Ticks();
  if (!sending_ || progress.file != file_) {
    sending_ = true;
    file_ = progress.file;
    fileStart_ = now;
  }
  ShowTitle(UploadTitle(platform::GetProgramName(), progress, now - fileStart_ > kMomentMs));
}

void UploadRelay::ShowProgressTitle(const std::string& title) {
  if (!sending_) ShowTitle(title);
}

void UploadRelay::ShowNotice(const std::string& notice) {
  if (previous_) previous_->ShowNotice(notice);
}

void UploadRelay::ShowTitle(const std::string& title) {
  // The transport reports bytes far more often than the title changes.
  if (title == shown_) return;
  shown_ = title;
  window_.CallAfter([&ui = ui_, title] { ui.ShowProgressTitle(title); });
}

}  // namespace app
