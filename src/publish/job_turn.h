// Jobs of one user publish one at a time: they write the same page name to
// the same place, so two at once would mix their files.
#pragma once

#include <atomic>
#include <chrono>

#include "platform/fs/file_lock.h"
#include "publish/publish.h"

namespace publish {

class JobTurn {
 public:
  // Takes the user's turn, waiting up to limit for another job to end and
  // telling the observer when it begins to wait; false when the turn did not come or
  // stop was set first. The turn lasts as long as the object.
  bool Take(PublishObserver& observer, const std::atomic<bool>& stop, std::chrono::milliseconds limit);

 private:
  platform::FileLock lock_;
};

}  // namespace publish
