#include <optional>

#include "platform/system/clock.h"
#include "platform/system/feedback.h"

namespace platform {

namespace {

constexpr uint64_t kRefreshIntervalMs = 100;
constexpr unsigned kBarLength = 25;

struct ProgressState {
  int openReporters = 0;
  uint64_t steps = 0;
  std::optional<uint64_t> lastRefresh;
};

ProgressState& State() {
  static thread_local ProgressState state;
  return state;
}

unsigned Percent(uint64_t position, uint64_t total) { return static_cast<unsigned>(position * 100 / total); }

}  // namespace

ProgressCounter::ProgressCounter(const std::string& title, unsigned total) : title_(title), total_(total) {
  if (State().openReporters++ == 0) State().steps = 0;
}

ProgressCounter::~ProgressCounter() {
  --State().openReporters;
  if (shown_ && InstalledUserInterface()) InstalledUserInterface()->ShowProgressTitle("");
}

void ProgressCounter::Step() {
  if (total_ == 0) return;
  const unsigned previous = position_;
  position_ = position_ < total_ ? position_ + 1 : 0;
  ++State().steps;
  if (Percent(previous, total_) != Percent(position_, total_)) SetPosition(position_);
}

void ProgressCounter::SetPosition(unsigned position) {
  if (position > total_) return;
  position_ = position;
  const uint64_t now = CurrentClock().Ticks();
  std::optional<uint64_t>& last = State().lastRefresh;
  if (last && now - *last < kRefreshIntervalMs) return;
  last = now;
  Draw();
}

unsigned ProgressCounter::GetPosition() const { return position_; }
unsigned ProgressCounter::GetTotal() const { return total_; }
void ProgressCounter::SetTotal(unsigned total) { total_ = total; }
const std::string& ProgressCounter::GetTitle() const { return title_; }

void ProgressCounter::Draw() {}

void ProgressCounter::ShowInTitle(const std::string& text) {
  UserInterface* ui = InstalledUserInterface();
  if (!ui) return;
  ui->ShowProgressTitle(text);
  ui->PumpMessages();
  shown_ = true;
}

uint64_t ProgressStepCount() { return State().steps; }

void TitleProgress::Draw() {
  const unsigned total = GetTotal();
  const unsigned stars = total == 0 ? 0 : static_cast<unsigned>(uint64_t{GetPosition()} * kBarLength / total);
  const std::string bar = std::string(stars, '*') + std::string(kBarLength - stars, '.');
  ShowInTitle(GetTitle() + "  " + std::to_string(ProgressStepCount()) + "  " + bar);
}

}  // namespace platform
