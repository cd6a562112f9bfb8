#include "upfile/post_files.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "net/u_agent.h"
#include "platform/feedback.h"
#include "platform/file_io.h"
#include "platform/file_status.h"
#include "platform/folders.h"
#include "upfile/upload_session.h"

namespace {

constexpr int64_t kFourGiB = int64_t{1} << 32;
constexpr long kFirstFailingStatus = 400;

struct AttemptOutcome {
  bool sent = false;
  bool unreached = false;  // no connection could be made: only then may another way be tried
  std::string reason;
  FailureCause cause;
};

// An empty reason when the file may be sent.
AttemptOutcome GateRefusal(const std::string& path, uint32_t limit) {
  if (!platform::FileExists(path)) return {false, false, "file missing", {}};
  const int64_t size = platform::FileStatus(path).Size();
  if (size >= kFourGiB || size > int64_t{limit})
    return {false, false,
            "file of " + std::to_string(size) + " bytes is above the upload size limit of " + std::to_string(limit),
            {FailureCause::Kind::kTooLarge, limit}};
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

// Who hears the transport, and the flag that ends it.
struct Report {
  UploadObserver& observer;
  const std::atomic<bool>* stop;
  bool Stopped() const { return stop && *stop; }
};

// Traces the end of the attempt and tells what the answer means for the file.
AttemptOutcome Judged(const UploadTarget& target, const std::string& script, const UploadAnswer& answer,
                      const Report& report) {
  if (!answer.error.empty()) {
    report.observer.OnTrace("\n" + TraceStart(target), net::TraceStream::Output);
    report.observer.OnTrace(answer.error + "\n", net::TraceStream::Error);
    const auto kind = report.Stopped() ? FailureCause::Kind::kStopped : FailureCause::Kind::kServerUnreachable;
    AttemptOutcome outcome = Refused(target, script, answer.error, {kind});
    outcome.unreached = !answer.connected;
    return outcome;
  }
  report.observer.OnTrace("\t" + std::to_string(answer.status) + "\n", net::TraceStream::Output);
  if (answer.status >= kFirstFailingStatus)
    return Refused(target, script, "HTTP status " + std::to_string(answer.status),
                   {FailureCause::Kind::kServerStatus, answer.status});
  return {true, false, "", {}};
}

AttemptOutcome SendAttempt(UploadSession& session, const UploadAttempt& attempt, const PostSettings& settings,
                           const std::string& path, const Report& report) {
  const std::string& script = settings.script;
  const std::optional<UploadTarget> target = ResolveUploadTarget(attempt.scheme, attempt.server);
  if (!target)
    return {false, false,
            "server setting \"" + ShownServer(attempt.server) + "\" is not a host name with an optional port",
            {FailureCause::Kind::kServerUnreachable}};
  if (AttemptOutcome refusal = GateRefusal(path, settings.sizeLimit); !refusal.reason.empty()) return refusal;
  const std::string boundary = MakeBoundary();
  const platform::Bytes body = make_form_data(path, boundary, settings.debugCopies);
  if (body.empty()) return {false, false, "file could not be read whole", {}};

  // A fallback follows a failed connection, perhaps a blocked TLS one: no password goes out in clear then.
  const bool credentials = !attempt.fallback || target->secure;
  const UploadRequest request{*target,          script,           "Content-Type: multipart/form-data; boundary=" + boundary,
                              &body,            settings.relaxCertificate, upload_agent(),
                              credentials,      &report.observer, report.stop};
  report.observer.OnTrace(TraceStart(*target) + script + "\t" + GetFileName(path), net::TraceStream::Output);
  return Judged(*target, script, session.Send(request), report);
}

// Folders pass the existence test but are nothing to send.
bool IsFileToSend(const std::string& path) { return platform::FileExists(path) && !platform::FolderExists(path); }

void AddReason(std::string& reasons, const std::string& reason) {
  if (reasons.find(reason) != std::string::npos) return;
  reasons += (reasons.empty() ? "" : "; ") + reason;
}

// Up to three attempts for one file: the next only when the last could not
// connect; a server that answered has decided, and so has a stop request. The
// reason collects every distinct failure; the cause is the first attempt's,
// the way the person configured.
AttemptOutcome SendWithRetries(UploadSession& session, const PostSettings& settings, const std::string& path,
                               const Report& report) {
  AttemptOutcome result;
  for (const UploadAttempt& attempt : UploadAttempts(settings.scheme, settings.server)) {
    const AttemptOutcome outcome = SendAttempt(session, attempt, settings, path, report);
    if (outcome.sent) return outcome;
    if (result.reason.empty() || outcome.cause.kind == FailureCause::Kind::kStopped) result.cause = outcome.cause;
    AddReason(result.reason, outcome.reason);
    if (!outcome.unreached || report.Stopped()) break;
  }
  return result;
}

}  // namespace

bool post_file(const PostSettings& settings, const std::string& path, UploadObserver* observer) {
  UploadObserver quiet;
  UploadSession session;
  return SendAttempt(session, {settings.scheme, settings.server, false}, settings, path,
                     {observer ? *observer : quiet, nullptr}).sent;
}

bool post_files(const std::vector<std::string>& files, const PostSettings& settings, PostFailure* failure,
                UploadObserver* observer, const std::atomic<bool>* stop) {
  if (failure) *failure = {};
  UploadObserver quiet;
  const Report report{observer ? *observer : quiet, stop};
  UploadSession session;
  platform::TitleProgress progress("post_files ...", static_cast<unsigned>(files.size()));
  const size_t count = static_cast<size_t>(std::count_if(files.begin(), files.end(), IsFileToSend));
  size_t index = 0;
  for (const std::string& path : files) {
    if (IsFileToSend(path)) {
      AttemptOutcome outcome{false, false, "stopped before it was sent", {FailureCause::Kind::kStopped}};
      if (!report.Stopped()) {
        report.observer.OnFileStarted(index++, count, path);
        outcome = SendWithRetries(session, settings, path, report);
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
