#include "app/upload_relay.h"

#include "app/dialog_user_interface.h"
#include "platform/clock.h"
#include "platform/folders.h"

namespace {

// A file sent faster than this shows no percentage, which would only flicker.
constexpr uint64_t kMomentMs = 500;

}  // namespace

UploadRelay::UploadRelay(wxEvtHandler& window, platform::UserInterface& ui)
    : m_window(window), m_ui(ui), m_trace(TraceOnWindowThread(window)) {}

void UploadRelay::OnTrace(const std::string& text, publish::TraceStream stream) { m_trace(stream, text); }

void UploadRelay::OnFileStarted(size_t index, size_t count, const std::string&) {
  m_sending = true;
  m_count = std::to_string(index + 1) + "/" + std::to_string(count);
  m_fileStart = platform::CurrentClock().Ticks();
  ShowTitle(GetProgramName() + "  " + m_count);
}

void UploadRelay::OnBytesSent(uint64_t sent, uint64_t total) {
  if (total == 0 || platform::CurrentClock().Ticks() - m_fileStart <= kMomentMs) return;
  ShowTitle(GetProgramName() + "  " + m_count + "  " + std::to_string(sent * 100 / total) + "%");
}

void UploadRelay::OnProgressText(const std::string& text) {
  if (!m_sending) ShowTitle(text);
}

void UploadRelay::OnWaiting(const std::string& notice) { ShowTitle(notice); }

void UploadRelay::ShowTitle(const std::string& title) {
  // The transport reports bytes far more often than the title changes.
  if (title == m_shown) return;
  m_shown = title;
  m_window.CallAfter([&ui = m_ui, title] { ui.ShowProgressTitle(title); });
}
