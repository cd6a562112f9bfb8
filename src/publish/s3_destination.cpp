#include "publish/s3_destination.h"

#include "net/s3_upload.h"
#include "platform/text/path_text.h"

namespace publish {
namespace {

// The short cause from the status; S3's code and message lead the detail.
FileFailure FailureOf(const net::S3Failure& s3, const std::string& listedPath) {
  FailureCause cause{FailureCause::Kind::ServerUnreachable};
  if (s3.status > 0) cause = {FailureCause::Kind::ServerStatus, s3.status};
  std::string detail = s3.code.empty() ? "" : s3.code + ": " + s3.message;
  if (!s3.detail.empty()) detail += (detail.empty() ? "" : "; ") + s3.detail;
  return {listedPath, cause, detail};
}

}  // namespace

S3Destination::S3Destination(const net::S3Location& location, const UploadSettings& settings)
    : location_(location), settings_(settings) {
  net::LoadS3Config(&config_, &configError_);
}

std::optional<FileFailure> S3Destination::Unusable() const {
  if (configError_.empty()) return std::nullopt;
  return FileFailure{"", {FailureCause::Kind::BadDestination}, configError_};
}

bool S3Destination::Send(const std::vector<Upload>& files, net::UploadObserver& observer,
                         const std::atomic<bool>& stop, FileFailure* failure) {
  std::vector<net::S3Object> objects;
  for (const Upload& file : files) objects.push_back({platform::GetFileName(file.path), file.path, file.contentType});
  const net::S3PutOptions options{settings_.s3Acl, settings_.parallelUploads, settings_.s3MaxFileSize};
  net::S3Failure s3;
  if (net::PutObjects(config_, location_, objects, options, &s3, &observer, &stop)) return true;
  std::string listed = s3.name;
  for (const Upload& file : files) {
    if (platform::GetFileName(file.path) == s3.name) listed = file.listedPath;
  }
  *failure = FailureOf(s3, listed);
  if (stop) failure->cause = {FailureCause::Kind::Stopped};
  return false;
}

std::string S3Destination::PageAddress(const std::string& pageName) const {
  if (settings_.s3PublicUrl.empty()) return net::S3ObjectUrl(config_, location_, pageName);
  std::string base = settings_.s3PublicUrl;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + "/" + net::S3Escape(net::S3Key(location_, pageName), true);
}

}  // namespace publish
