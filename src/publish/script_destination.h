// The server's upload script as a destination: one multipart POST per file,
// as the transport has always sent it.
#pragma once

#include "publish/destination.h"

namespace publish {

class ScriptDestination : public Destination {
 public:
  explicit ScriptDestination(const UploadSettings& settings) : settings_(settings) {}
  uint64_t SizeLimit() const override;
  std::optional<FileFailure> Unusable() const override { return std::nullopt; }
  bool Send(const std::vector<Upload>& files, net::UploadObserver& observer, const std::atomic<bool>& stop,
            FileFailure* failure) override;
  std::string PageAddress(const std::string& pageName) const override;

 private:
  UploadSettings settings_;
};

}  // namespace publish
