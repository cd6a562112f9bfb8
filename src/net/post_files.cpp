#include "net/post_files.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>

#include "net/form_data.h"
#include "net/http_client.h"
#include "net/trusted_post.h"
#include "net/upload_target.h"
#include "net/user_agent.h"
#include "platform/fs/file_status.h"
#include "platform/system/feedback.h"
#include "suite/folders.h"

namespace net {
namespace {

constexpr int64_t kFourGiB = int64_t{1} << 32;
constexpr long kFirstRedirectStatus = 300;
constexpr long kFirstFailingStatus = 400;

struct AttemptOutcome {
  bool sent = false;
  bool unreached = false;  // no connection could be made: only then may another way be tried
  std::string reason;
  TransportOutcome cause;
};

// An empty reason when the file may be sent.
AttemptOutcome GateRefusal(const std::string& path, uint32_t limit) {
  const platform::FileStatus status(path);
  if (status.Error() != 0) return {false, false, "file missing", {}};
  const int64_t size = status.Size();
  if (size >= kFourGiB || size > int64_t{limit})
    return {false, false,
            "file of " + std::to_string(size) + " bytes is above the upload size limit of " + std::to_string(limit),
            {TransportOutcome::Kind::TooLarge, limit}};
  return {};
}

// User info before an '@' may hold a password.
std::string ShownServer(const std::string& server) {
  const size_t at = server.rfind('@');
  return at == std::string::npos ? server : "***" + server.substr(at);
}

std::string TraceStart(const UploadTarget& target) { return target.host + "\t" + std::to_string(target.port) + "\t"; }

AttemptOutcome Refused(const UploadTarget& target, const std::string& script, const std::string& reason,
                       TransportOutcome cause) {
  std::string address = TargetBaseUrl(target);
  address.pop_back();
  return {false, false, address + script + ": " + reason, cause};
}

// What one job's attempts share: the client, the settings, who hears the
// transport and the flag that ends it.
struct Job {
  TrustedPoster& client;
  const PostSettings& settings;
  UploadObserver& observer;
  const std::atomic<bool>* stop;
  bool Stopped() const { return stop && *stop; }
};

// Traces the end of the attempt and tells what the answer means for the file.
AttemptOutcome Judged(const UploadTarget& target, const PostAnswer& answer, const Job& job) {
  const std::string& script = job.settings.script;
  if (!answer.error.empty()) {
    job.observer.OnTrace("\n" + TraceStart(target), TraceStream::Output);
    job.observer.OnTrace(answer.error + "\n", TraceStream::Error);
    auto kind = answer.connected ? TransportOutcome::Kind::NoAnswer : TransportOutcome::Kind::Unreachable;
    // The cause's own words come from the front end: the reason keeps the transport's.
    std::string reason = answer.error;
    if (answer.untrusted) kind = TransportOutcome::Kind::Untrusted;
    if (answer.answerTooLarge) kind = TransportOutcome::Kind::AnswerTooLarge;
    if (!answer.proxy.empty()) reason += " (through the proxy " + ShownServer(answer.proxy) + ")";
    if (job.Stopped()) kind = TransportOutcome::Kind::Stopped;
    AttemptOutcome outcome = Refused(target, script, reason, {kind});
    // Past a proxy or a TLS handshake, a plain attempt would only give the file away.
    outcome.unreached = !answer.connected && !answer.untrusted && answer.proxy.empty();
    return outcome;
  }
  job.observer.OnTrace("\t" + std::to_string(answer.status) + "\n", TraceStream::Output);
  // Redirects are not followed: the file did not arrive.
  if (answer.status >= kFirstRedirectStatus && answer.status < kFirstFailingStatus)
    return Refused(target, script,
                   "HTTP status " + std::to_string(answer.status) +
                       (answer.location.empty() ? "" : ", a redirect to " + answer.location),
                   {TransportOutcome::Kind::Status, answer.status});
  if (answer.status >= kFirstFailingStatus)
    return Refused(target, script, "HTTP status " + std::to_string(answer.status),
                   {TransportOutcome::Kind::Status, answer.status});
  return {true, false, "", {}};
}

AttemptOutcome SendAttempt(const UploadAttempt& attempt, const std::string& path, const Job& job) {
  const std::optional<UploadTarget> target = ResolveUploadTarget(attempt.scheme, attempt.server);
  if (!target)
    return {false, false,
            "server setting \"" + ShownServer(attempt.server) + "\" is not a host name with an optional port",
            {TransportOutcome::Kind::Unreachable}};
  if (AttemptOutcome refusal = GateRefusal(path, job.settings.sizeLimit); !refusal.reason.empty()) return refusal;
  const FormData form = MakeFormData(path, MakeBoundary(), job.settings.debugCopies);
  if (form.body.empty()) return {false, false, "file could not be read whole", {}};

  // A fallback follows a failed connection, perhaps a blocked TLS one: no password goes out in clear then.
  const bool credentials = !attempt.fallback || target->secure;
  const PostRequest request{*target,
                            job.settings.script,
                            "Content-Type: multipart/form-data; boundary=" + form.boundary,
                            &form.body,
                            false,
                            "",
                            job.settings.answerSeconds,
                            UploadAgent(),
                            credentials,
                            &job.observer,
                            job.stop};
  job.observer.OnTrace(TraceStart(*target) + job.settings.script + "\t" + platform::GetFileName(path),
                       TraceStream::Output);
  return Judged(*target, job.client.Post(request), job);
}

// Folders pass the existence test but are nothing to send.
bool IsFileToSend(const std::string& path) {
  const platform::FileStatus status(path);
  return status.Error() == 0 && !status.IsFolder();
}

void AddReason(std::string& reasons, const std::string& reason) {
  if (reasons.find(reason) != std::string::npos) return;
  reasons += (reasons.empty() ? "" : "; ") + reason;
}

// Up to three attempts for one file: the next only when the last, plain and
// direct, could not connect; a server that answered has decided, and so has a
// stop request. The
// reason collects every distinct failure; the cause is the first attempt's,
// the way the person configured.
AttemptOutcome SendWithRetries(const std::string& path, const Job& job) {
  AttemptOutcome result;
  for (const UploadAttempt& attempt : UploadAttempts(job.settings.scheme, job.settings.server)) {
    const AttemptOutcome outcome = SendAttempt(attempt, path, job);
    if (outcome.sent) return outcome;
    if (result.reason.empty() || outcome.cause.kind == TransportOutcome::Kind::Stopped) result.cause = outcome.cause;
    AddReason(result.reason, outcome.reason);
    if (!outcome.unreached || job.Stopped()) break;
  }
  return result;
}

// A file's request bytes sent, as bytes of the file itself: the form's own
// lines around it are not the person's.
uint64_t OwnBytes(uint64_t sent, uint64_t total, uint64_t fileSize) {
  return total == 0 ? 0 : std::min(fileSize, sent * fileSize / total);
}

uint64_t SizeOf(const std::string& path) { return static_cast<uint64_t>(platform::FileStatus(path).Size()); }

// Hears one file sent alone: its bytes count after those of the files before it.
class CountedFile : public UploadObserver {
 public:
  CountedFile(UploadObserver& observer, uint64_t before, uint64_t fileSize, uint64_t allBytes)
      : observer_(observer), before_(before), fileSize_(fileSize), allBytes_(allBytes) {}
  void OnTrace(const std::string& text, TraceStream stream) override { observer_.OnTrace(text, stream); }
  void OnBytesSent(uint64_t sent, uint64_t total) override {
    observer_.OnBytesSent(before_ + OwnBytes(sent, total, fileSize_), allBytes_);
  }

 private:
  UploadObserver& observer_;
  uint64_t before_, fileSize_, allBytes_;
};

// Hears one file's attempts on a thread of its own: the trace waits for the
// file's end, so that its lines reach the job whole; the bytes are counted
// with those of the other files.
class FileHeard : public UploadObserver {
 public:
  FileHeard(class SharedProgress& shared, uint64_t fileSize) : shared_(shared), fileSize_(fileSize) {}
  void OnTrace(const std::string& text, TraceStream stream) override { trace_.push_back({text, stream}); }
  void OnBytesSent(uint64_t sent, uint64_t total) override;
  uint64_t Sent() const { return sent_; }
  const std::vector<std::pair<std::string, TraceStream>>& Trace() const { return trace_; }

 private:
  SharedProgress& shared_;
  uint64_t fileSize_;
  uint64_t sent_ = 0;   // of the file's own bytes
  std::vector<std::pair<std::string, TraceStream>> trace_;
};

// The files of a parallel run and what the job hears of them, one thread at a time.
class SharedProgress {
 public:
  // sentBefore of allBytes went with the files before these.
  SharedProgress(const std::vector<std::string>& files, UploadObserver& observer, size_t count, uint64_t sentBefore,
                 uint64_t allBytes)
      : files_(files), observer_(observer), count_(count), total_(allBytes), sent_(sentBefore) {}
  // The next file to send, and its number among all of the job's; false when none is left.
  bool Take(size_t& file, size_t first) {
    const std::lock_guard lock(mutex_);
    if (failed_ || next_ == files_.size()) return false;
    file = next_++;
    observer_.OnFileStarted(first + file, count_, files_[file]);
    return true;
  }
  void Moved(int64_t change) {
    const std::lock_guard lock(mutex_);
    sent_ += static_cast<uint64_t>(change);
    observer_.OnBytesSent(sent_, total_);
  }
  // The file's trace reaches the job; the first failure in list order stops the run.
  void Done(size_t file, const FileHeard& heard, const AttemptOutcome& outcome) {
    const std::lock_guard lock(mutex_);
    for (const auto& [text, stream] : heard.Trace()) observer_.OnTrace(text, stream);
    if (outcome.sent) return;
    failed_ = true;
    if (file < failedFile_) {
      failedFile_ = file;
      failure_ = outcome;
    }
  }
  bool Failed(size_t& file, AttemptOutcome& outcome) const {
    file = failedFile_;
    outcome = failure_;
    return failed_;
  }

 private:
  std::mutex mutex_;
  const std::vector<std::string>& files_;
  UploadObserver& observer_;
  size_t count_;
  size_t next_ = 0;
  uint64_t total_, sent_;
  bool failed_ = false;
  size_t failedFile_ = SIZE_MAX;
  AttemptOutcome failure_;
};

void FileHeard::OnBytesSent(uint64_t sent, uint64_t total) {
  const uint64_t now = OwnBytes(sent, total, fileSize_);
  shared_.Moved(static_cast<int64_t>(now) - static_cast<int64_t>(sent_));
  sent_ = now;
}

// Sends files, up to parallel at once, each thread over a client of its own.
// False with the first failed file of the list when any failed.
bool SendSideBySide(const std::vector<std::string>& files, size_t first, size_t count, uint64_t sentBefore,
                    uint64_t allBytes, const PostSettings& settings, UploadObserver& observer,
                    const std::atomic<bool>* stop, PostFailure* failure) {
  SharedProgress shared(files, observer, count, sentBefore, allBytes);
  const auto sendFiles = [&] {
    HttpClient http;
    TrustedPoster client(http, settings.relaxCertificate);
    for (size_t file = 0; !(stop && *stop) && shared.Take(file, first);) {
      FileHeard heard(shared, SizeOf(files[file]));
      const AttemptOutcome outcome = SendWithRetries(files[file], {client, settings, heard, stop});
      shared.Done(file, heard, outcome);
    }
  };
  std::vector<std::thread> threads;
  for (unsigned i = 0; i < std::min<size_t>(settings.parallel, files.size()); ++i) threads.emplace_back(sendFiles);
  for (std::thread& thread : threads) thread.join();
  size_t file = 0;
  AttemptOutcome outcome;
  if (shared.Failed(file, outcome)) {
    if (failure) *failure = {files[file], outcome.reason, outcome.cause};
    return false;
  }
  if (stop && *stop) {
    if (failure) *failure = {files.front(), "stopped before it was sent", {TransportOutcome::Kind::Stopped}};
    return false;
  }
  return true;
}

}  // namespace

bool PostFiles(const std::vector<std::string>& files, const PostSettings& settings, PostFailure* failure,
               UploadObserver* observer, const std::atomic<bool>* stop) {
  if (failure) *failure = {};
  UploadObserver quiet;
  HttpClient http;
  TrustedPoster client(http, settings.relaxCertificate);
  const Job job{client, settings, observer ? *observer : quiet, stop};
  platform::TitleProgress progress("post_files ...", static_cast<unsigned>(files.size()));
  std::vector<std::string> toSend;
  std::copy_if(files.begin(), files.end(), std::back_inserter(toSend), IsFileToSend);
  std::vector<uint64_t> sizes;
  for (const std::string& path : toSend) sizes.push_back(SizeOf(path));
  const uint64_t allBytes = std::accumulate(sizes.begin(), sizes.end(), uint64_t{0});
  uint64_t sentBytes = 0;
  size_t index = 0;
  for (size_t entry = 0; entry < files.size(); ++entry) {
    const std::string& path = files[entry];
    if (IsFileToSend(path) && settings.parallel > 1 && index == 1) {
      const std::vector<std::string> rest(toSend.begin() + 1, toSend.end());
      const bool sent =
          SendSideBySide(rest, 1, toSend.size(), sentBytes, allBytes, settings, job.observer, stop, failure);
      for (; entry < files.size(); ++entry) progress.Step();
      return sent;
    }
    if (IsFileToSend(path)) {
      AttemptOutcome outcome{false, false, "stopped before it was sent", {TransportOutcome::Kind::Stopped}};
      if (!job.Stopped()) {
        job.observer.OnFileStarted(index, toSend.size(), path);
        CountedFile counted(job.observer, sentBytes, sizes[index], allBytes);
        outcome = SendWithRetries(path, {job.client, job.settings, counted, job.stop});
        sentBytes += sizes[index++];
      }
      if (!outcome.sent) {
        if (failure) *failure = {path, outcome.reason, outcome.cause};
        return false;
      }
    }
    progress.Step();
  }
  return true;
}

}  // namespace net
