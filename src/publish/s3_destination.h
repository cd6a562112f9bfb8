// Object storage as a destination: each file an object below the prefix,
// signed with the credentials every S3 client reads.
#pragma once

#include <memory>

#include "net/s3_address.h"
#include "net/s3_config.h"
#include "publish/destination.h"

namespace publish {

class S3Destination : public Destination {
 public:
  S3Destination(const net::S3Location& location, const UploadSettings& settings);
  uint64_t SizeLimit() const override { return settings_.s3MaxFileSize; }
  std::optional<FileFailure> Unusable() const override;
  bool Send(const std::vector<Upload>& files, net::UploadObserver& observer, const std::atomic<bool>& stop,
            FileFailure* failure) override;
  std::string PageAddress(const std::string& pageName) const override;

 private:
  net::S3Location location_;
  UploadSettings settings_;
  net::S3Config config_;
  std::string configError_;   // empty when the credentials, region and endpoint were found
};

}  // namespace publish
