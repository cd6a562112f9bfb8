// The one-line progress meter of "wx_pub --upload" on a terminal.
#pragma once

#include <string>

#include "publish/progress.h"

namespace cli {

// "2/5 files  1.5 of 10.0 MiB  15%": files done of all, then the job's bytes
// sent in the unit their total calls for and their share; without a total only the files.
std::string MeterLine(const publish::Progress& progress);

}  // namespace cli
