#include "app/upload_relay.h"

#include "app/dialog_user_interface.h"
#include "app/window_language.h"
#include "app/wx_text.h"
#include "platform/fs/temp_folder.h"
#include "platform/system/clock.h"
#include "suite/folders.h"

namespace app {

namespace {

// A file sent faster than this shows no percentage, which would only flicker.
constexpr uint64_t kMomentMs = 500;

}  // namespace

UploadRelay::UploadRelay(wxEvtHandler& window, platform::UserInterface& ui)
    : window_(window), ui_(ui), trace_(TraceOnWindowThread(window)) {}

void UploadRelay::OnTrace(const std::string& text, publish::TraceStream stream) { trace_(stream, text); }

void UploadRelay::OnFileStarted(size_t index, size_t count, const std::string&) {
  sending_ = true;
  count_ = std::to_string(index + 1) + "/" + std::to_string(count);
  fileStart_ = platform::CurrentClock().Ticks();
  ShowTitle(platform::GetProgramName() + "  " + count_);
}

void UploadRelay::OnBytesSent(uint64_t sent, uint64_t total) {
  if (total == 0 || platform::CurrentClock().Ticks() - fileStart_ <= kMomentMs) return;
  ShowTitle(platform::GetProgramName() + "  " + count_ + "  " + std::to_string(sent * 100 / total) + "%");
}

void UploadRelay::OnProgressText(const std::string& text) {
  if (!sending_) ShowTitle(text);
}

// The catalog is only read once the window is up, so any thread may look in it.
void UploadRelay::OnWaiting(bool waiting) {
  OnProgressText(waiting ? ToUtf8(Translated("別のアップロードの終了を待っています...")) : "");
}

void UploadRelay::ShowTitle(const std::string& title) {
  // The transport reports bytes far more often than the title changes.
  if (title == shown_) return;
  shown_ = title;
  window_.CallAfter([&ui = ui_, title] { ui.ShowProgressTitle(title); });
}

}  // namespace app
