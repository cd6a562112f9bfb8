#include "net/s3_upload.h"

#include <sys/stat.h>

#include <memory>

#include "net/content_type.h"
#include "net/s3_request.h"
#include "net/s3_xml.h"
#include "net/transfer_pool.h"

namespace net {
namespace {

constexpr uint64_t kMultipartAbove = uint64_t{64} << 20;
constexpr uint64_t kSmallestPart = uint64_t{16} << 20;
constexpr uint64_t kMostParts = 10000;  // S3's own limit

struct FileUpload {
  const S3Object* object = nullptr;
  size_t index = 0;
  uint64_t size = 0;
  std::string url;
  bool done = false;
  // Multipart only.
  uint64_t partSize = 0;
  std::string uploadId;
  std::vector<std::string> partEtags;
  size_t nextPart = 0, partsDone = 0;
  bool completing = false;

  bool Multipart() const { return partSize > 0; }
  size_t PartCount() const { return static_cast<size_t>((size + partSize - 1) / partSize); }
  std::string UploadQuery() const { return "uploadId=" + S3Escape(uploadId, false); }
};

uint64_t PartSizeFor(uint64_t size) {
  constexpr uint64_t kMiB = uint64_t{1} << 20;
  const uint64_t needed = (size + kMostParts - 1) / kMostParts;
  return std::max(kSmallestPart, (needed + kMiB - 1) / kMiB * kMiB);
}

class PutJob {
 public:
  PutJob(const S3Config& config, const S3PutOptions& options, S3Failure* failure, UploadObserver* observer)
      : config_(config), options_(options), failure_(failure), observer_(observer) {}

  bool Check(const S3Location& location, const std::vector<S3Object>& objects);
  std::unique_ptr<Transfer> Next();
  std::unique_ptr<Transfer> NextAbort();
  uint64_t TotalBytes() const { return totalBytes_; }
  void NoteStopped() { Fail(nullptr, {}, "stopped"); }

 private:
  std::unique_ptr<Transfer> Put(FileUpload& file);
  std::unique_ptr<Transfer> Initiate(FileUpload& file);
  std::unique_ptr<Transfer> Part(FileUpload& file, size_t part);
  std::unique_ptr<Transfer> Complete(FileUpload& file);
  std::vector<std::string> ObjectHeaders(const FileUpload& file) const;
  bool Accept(FileUpload& file, const S3Answer& answer);
  bool Fail(const FileUpload* file, const S3Answer& answer, const std::string& detail);

  const S3Config& config_;
  const S3PutOptions& options_;
  S3Failure* failure_;
  UploadObserver* observer_;
  std::vector<FileUpload> files_;
  uint64_t totalBytes_ = 0;
  size_t nextFile_ = 0, nextAbort_ = 0;
  bool failed_ = false;
};

bool PutJob::Fail(const FileUpload* file, const S3Answer& answer, const std::string& detail) {
  if (failed_) return false;
  failed_ = true;
  *failure_ = {file ? file->object->name : "", XmlField(answer.body, "Code"), XmlField(answer.body, "Message"),
               answer.status, detail};
  return false;
}

bool PutJob::Check(const S3Location& location, const std::vector<S3Object>& objects) {
  files_.resize(objects.size());
  for (size_t i = 0; i < objects.size(); ++i) {
    FileUpload& file = files_[i];
    file.object = &objects[i];
    file.index = i;
    struct stat status{};
    if (objects[i].name.empty()) return Fail(&file, {}, "no object name");
    if (::stat(objects[i].path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
      return Fail(&file, {}, objects[i].path + " is not a readable file");
    file.size = static_cast<uint64_t>(status.st_size);
    if (file.size > options_.maxFileSize)
      return Fail(&file, {}, "larger than the S3 size limit of " + std::to_string(options_.maxFileSize) + " bytes");
    file.url = S3ObjectUrl(config_, location, objects[i].name);
    if (file.size > kMultipartAbove) file.partSize = PartSizeFor(file.size);
    totalBytes_ += file.size;
  }
  return true;
}

std::vector<std::string> PutJob::ObjectHeaders(const FileUpload& file) const {
  const std::string& type = file.object->contentType;
  std::vector<std::string> headers{"Content-Type: " + (type.empty() ? ContentTypeFor(file.object->name) : type)};
  if (!options_.acl.empty()) headers.push_back("x-amz-acl: " + options_.acl);
  return headers;
}

// A 2xx answer that is not an error document (completing may answer 200 with one).
bool PutJob::Accept(FileUpload& file, const S3Answer& answer) {
  // The pool aborts a transfer only when asked to stop.
  if (answer.result == CURLE_ABORTED_BY_CALLBACK) return Fail(&file, answer, "stopped");
  if (answer.result != CURLE_OK) return Fail(&file, answer, answer.error);
  if (answer.status < 200 || answer.status > 299 || answer.body.find("<Error>") != std::string::npos)
    return Fail(&file, answer, "HTTP status " + std::to_string(answer.status));
  return true;
}

std::unique_ptr<Transfer> PutJob::Put(FileUpload& file) {
  S3Request request{
      .method = "PUT", .url = file.url, .headers = ObjectHeaders(file), .path = file.object->path, .length = file.size};
  return NewS3Transfer(config_, std::move(request), [this, &file](const S3Answer& answer) {
    if (!Accept(file, answer)) return false;
    file.done = true;
    return true;
  });
}

std::unique_ptr<Transfer> PutJob::Initiate(FileUpload& file) {
  S3Request request{.method = "POST", .url = file.url + "?uploads=", .headers = ObjectHeaders(file)};
  return NewS3Transfer(config_, std::move(request), [this, &file](const S3Answer& answer) {
    if (!Accept(file, answer)) return false;
    file.uploadId = XmlField(answer.body, "UploadId");
    if (file.uploadId.empty()) return Fail(&file, answer, "no UploadId in the answer");
    file.partEtags.resize(file.PartCount());
    return true;
  });
}

std::unique_ptr<Transfer> PutJob::Part(FileUpload& file, size_t part) {
  const uint64_t offset = part * file.partSize;
  S3Request request{.method = "PUT",
                    .url = file.url + "?partNumber=" + std::to_string(part + 1) + "&" + file.UploadQuery(),
                    .path = file.object->path,
                    .offset = offset,
                    .length = std::min(file.partSize, file.size - offset)};
  return NewS3Transfer(config_, std::move(request), [this, &file, part](const S3Answer& answer) {
    if (!Accept(file, answer)) return false;
    if (answer.etag.empty()) return Fail(&file, answer, "no ETag for part " + std::to_string(part + 1));
    file.partEtags[part] = answer.etag;
    ++file.partsDone;
    return true;
  });
}

std::unique_ptr<Transfer> PutJob::Complete(FileUpload& file) {
  S3Request request{.method = "POST",
                    .url = file.url + "?" + file.UploadQuery(),
                    .headers = {"Content-Type: application/xml"},
                    .body = CompleteMultipartXml(file.partEtags)};
  return NewS3Transfer(config_, std::move(request), [this, &file](const S3Answer& answer) {
    if (!Accept(file, answer)) return false;
    file.done = true;
    return true;
  });
}

// Parts and completions of started files first, so finished files free their slots.
std::unique_ptr<Transfer> PutJob::Next() {
  if (failed_) return nullptr;
  for (size_t i = 0; i < nextFile_; ++i) {
    FileUpload& file = files_[i];
    if (file.done || !file.Multipart() || file.uploadId.empty()) continue;
    if (file.nextPart < file.PartCount()) return Part(file, file.nextPart++);
    if (file.partsDone == file.PartCount() && !file.completing) {
      file.completing = true;
      return Complete(file);
    }
  }
  if (nextFile_ == files_.size()) return nullptr;
  FileUpload& file = files_[nextFile_++];
  if (observer_) observer_->OnFileStarted(file.index, files_.size(), file.object->path);
  return file.Multipart() ? Initiate(file) : Put(file);
}

// One DELETE per multipart upload left unfinished, so no parts stay stored.
std::unique_ptr<Transfer> PutJob::NextAbort() {
  while (nextAbort_ < nextFile_) {
    FileUpload& file = files_[nextAbort_++];
    if (file.done || file.uploadId.empty()) continue;
    S3Request request{.method = "DELETE", .url = file.url + "?" + file.UploadQuery()};
    return NewS3Transfer(config_, std::move(request), [](const S3Answer&) { return true; });
  }
  return nullptr;
}

}  // namespace

bool PutObjects(const S3Config& config, const S3Location& location, const std::vector<S3Object>& objects,
                const S3PutOptions& options, S3Failure* failure, UploadObserver* observer,
                const std::atomic<bool>* stop) {
  PutJob job(config, options, failure, observer);
  if (!job.Check(location, objects)) return false;
  TransferPool pool(options.parallel);
  const auto progress = [&](uint64_t sent) {
    if (observer) observer->OnBytesSent(sent, job.TotalBytes());
  };
  if (pool.Run([&] { return job.Next(); }, stop, progress)) return true;
  if (stop && *stop) job.NoteStopped();
  pool.Run([&] { return job.NextAbort(); });
  return false;
}

}  // namespace net
