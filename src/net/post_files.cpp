#include "net/post_files.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "net/form_data.h"
#include "net/http_client.h"
#include "net/trusted_post.h"
#include "net/upload_target.h"
#include "net/user_agent.h"
#include "platform/feedback.h"
#include "platform/file_status.h"
#include "platform/folders.h"

namespace net {
namespace {

constexpr int64_t kFourGiB = int64_t{1} << 32;
constexpr long kFirstRedirectStatus = 300;
constexpr long kFirstFailingStatus = 400;

struct AttemptOutcome {
  bool sent = false;
  bool unreached = false;  // no connection could be made: only then may another way be tried
  std::string reason;
  FailureCause cause;
};

// An empty reason when the file may be sent.
AttemptOutcome GateRefusal(const std::string& path, uint32_t limit) {
  const platform::FileStatus status(path);
  if (status.Error() != 0) return {false, false, "file missing", {}};
  const int64_t size = status.Size();
  if (size >= kFourGiB || size > int64_t{limit})
    return {false, false,
            "file of " + std::to_string(size) + " bytes is above the upload size limit of " + std::to_string(limit),
            {FailureCause::Kind::TooLarge, limit}};
  return {};
}

// User info before an '@' may hold a password.
std::string ShownServer(const std::string& server) {
  const size_t at = server.rfind('@');
  return at == std::string::npos ? server : "***" + server.substr(at);
}

std::string TraceStart(const UploadTarget& target) { return target.host + "\t" + std::to_string(target.port) + "\t"; }

AttemptOutcome Refused(const UploadTarget& target, const std::string& script, const std::string& reason,
                       FailureCause cause) {
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
    auto kind = answer.connected ? FailureCause::Kind::NoAnswer : FailureCause::Kind::ServerUnreachable;
    std::string reason = answer.error;
    if (answer.untrusted) {
      kind = FailureCause::Kind::Untrusted;
      reason = "the server's certificate is not trusted (" + reason + ")";
      if (!job.settings.relaxCertificate)
        reason += "; set self_certificate in upfile.ini to accept a server's own certificate";
    }
    if (answer.answerTooLarge) kind = FailureCause::Kind::AnswerTooLarge;
    if (!answer.proxy.empty()) reason += " (through the proxy " + ShownServer(answer.proxy) + ")";
    if (job.Stopped()) kind = FailureCause::Kind::Stopped;
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
                   {FailureCause::Kind::ServerStatus, answer.status});
  if (answer.status >= kFirstFailingStatus)
    return Refused(target, script, "HTTP status " + std::to_string(answer.status),
                   {FailureCause::Kind::ServerStatus, answer.status});
  return {true, false, "", {}};
}

AttemptOutcome SendAttempt(const UploadAttempt& attempt, const std::string& path, const Job& job) {
  const std::optional<UploadTarget> target = ResolveUploadTarget(attempt.scheme, attempt.server);
  if (!target)
    return {false, false,
            "server setting \"" + ShownServer(attempt.server) + "\" is not a host name with an optional port",
            {FailureCause::Kind::ServerUnreachable}};
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
    if (result.reason.empty() || outcome.cause.kind == FailureCause::Kind::Stopped) result.cause = outcome.cause;
    AddReason(result.reason, outcome.reason);
    if (!outcome.unreached || job.Stopped()) break;
  }
  return result;
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
  const size_t count = static_cast<size_t>(std::count_if(files.begin(), files.end(), IsFileToSend));
  size_t index = 0;
  for (const std::string& path : files) {
    if (IsFileToSend(path)) {
      AttemptOutcome outcome{false, false, "stopped before it was sent", {FailureCause::Kind::Stopped}};
      if (!job.Stopped()) {
        job.observer.OnFileStarted(index++, count, path);
        outcome = SendWithRetries(path, job);
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
