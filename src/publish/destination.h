// Where a job's files go. The core decides what goes and in which order (the
// files, then the page, only when all of them arrived); a destination only
// sends what it is given.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/upload_observer.h"
#include "publish/publish_result.h"
#include "publish/upload_settings.h"

namespace publish {

// One staged file; its published name is its file name.
struct Upload {
  std::string path;
  std::string listedPath;   // what the person listed; the staged path for the generated page
  std::string contentType;  // empty: as the name's extension says, where the destination sends one
};

class Destination {
 public:
  virtual ~Destination() = default;
  // The largest file it takes, in bytes.
  virtual uint64_t SizeLimit() const = 0;
  // Why it cannot take a job now (settings, credentials); nothing when it can.
  // Asked before anything is staged.
  virtual std::optional<FileFailure> Unusable() const = 0;
  // Sends the files (several at once where it can); false at the first one
  // that did not arrive, with *failure saying which and why. The observer
  // hears the staged paths.
  virtual bool Send(const std::vector<Upload>& files, net::UploadObserver& observer, const std::atomic<bool>& stop,
                    FileFailure* failure) = 0;
  // Where the page of that name is seen once it is sent.
  virtual std::string PageAddress(const std::string& pageName) const = 0;
};

// The destination a text names: empty for the upload script of the
// settings, "s3://BUCKET/PREFIX" for object storage. Nothing (and *failure
// filled) for any other text.
std::unique_ptr<Destination> MakeDestination(const std::string& text, const UploadSettings& settings,
                                             FileFailure* failure);

}  // namespace publish
