// SIGINT and SIGTERM as stop requests: while the object lives, either one
// sets the flag a job reads, so the job ends between files or inside a
// transfer, sends no page and removes its staged copies.
#pragma once

#include <atomic>

namespace cli {

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();   // the earlier handlers come back
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  const std::atomic<bool>& Flag() const;
  // The signal that came (0: none), and the exit status a shell expects for it.
  int Signal() const;
  int ExitStatus() const { return 128 + Signal(); }
};

}  // namespace cli
