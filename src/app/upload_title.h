// The window title while a job sends: "wx_pub  3/12", and "wx_pub  3/12  45%"
// once the share of the job's bytes is worth showing.
#pragma once

#include <string>

#include "publish/progress.h"

namespace app {

std::string UploadTitle(const std::string& program, const publish::Progress& progress, bool withShare);

}  // namespace app
