#include "publish/destination.h"

#include "publish/script_destination.h"

namespace publish {

std::unique_ptr<Destination> MakeDestination(const std::string& text, const UploadSettings& settings,
                                             FileFailure* failure) {
  if (text.empty()) return std::make_unique<ScriptDestination>(settings);
  *failure = {"",
              {FailureCause::Kind::BadDestination},
              "unknown destination \"" + text + "\": upload_to and --to take s3://BUCKET/PREFIX, or nothing for the upload script"};
  return nullptr;
}

}  // namespace publish
