#include "publish/progress.h"

#include <algorithm>

namespace publish {

unsigned BytesPercent(const Progress& progress) {
  if (progress.bytesTotal == 0) return 0;
  return static_cast<unsigned>(std::min(progress.bytesDone, progress.bytesTotal) * 100 / progress.bytesTotal);
}

}  // namespace publish
