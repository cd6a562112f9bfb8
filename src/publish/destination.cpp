#include "publish/destination.h"

#include "net/s3_address.h"
#include "publish/s3_destination.h"
#include "publish/script_destination.h"

namespace publish {

std::unique_ptr<Destination> MakeDestination(const std::string& text, const UploadSettings& settings,
                                             FileFailure* failure) {
  if (text.empty()) return std::make_unique<ScriptDestination>(settings);
  if (const std::optional<net::S3Location> location = net::ParseS3Url(text))
    return std::make_unique<S3Destination>(*location, settings);
  *failure = {"",
              {FailureCause::Kind::BadDestination},
              "unknown destination \"" + text + "\": upload_to and --to take s3://BUCKET/PREFIX, or nothing for the upload script"};
  return nullptr;
}

}  // namespace publish
