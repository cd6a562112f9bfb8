#include "publish/job_turn.h"

#include <thread>

#include "platform/fs/temp_folder.h"
#include "suite/folders.h"

namespace publish {

bool JobTurn::Take(PublishObserver& observer, const std::atomic<bool>& stop, std::chrono::milliseconds limit) {
  constexpr std::chrono::milliseconds kPoll{100};
  // The user's private temporary folder is one per user and always there.
  const std::string path = platform::GetTempFolder();
  const auto end = std::chrono::steady_clock::now() + limit;
  bool waited = false;
  while (!lock_.TryLock(path)) {
    if (stop || std::chrono::steady_clock::now() >= end) break;
    if (!waited) observer.OnProgress(Progress{.phase = Progress::Phase::Waiting, .name = ""});
    waited = true;
    std::this_thread::sleep_for(kPoll);
  }
  return lock_.TryLock(path) && !stop;
}

}  // namespace publish
