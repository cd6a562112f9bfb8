#include "app/upload_title.h"

namespace app {

std::string UploadTitle(const std::string& program, const publish::Progress& progress, bool withShare) {
  std::string title = program + "  " + std::to_string(progress.file + 1) + "/" + std::to_string(progress.files);
  if (withShare && progress.bytesTotal > 0) title += "  " + std::to_string(publish::BytesPercent(progress)) + "%";
  return title;
}

}  // namespace app
