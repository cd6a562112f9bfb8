#include "upfile/post_files.h"

#include <cstdint>
#include <iostream>
#include <optional>

#include "net/u_agent.h"
#include "platform/feedback.h"
#include "platform/folders.h"
#include "upfile/upload_session.h"
#include "upfile/upload_settings.h"

namespace {

constexpr int64_t kFourGiB = int64_t{1} << 32;
constexpr long kFirstFailingStatus = 400;

struct AttemptOutcome {
  bool sent = false;
  bool unreached = false;  // no connection could be made: only then may another way be tried
  std::string reason;
};

// Empty when the file may be sent.
std::string GateRefusal(const std::string& path) {
  if (!FileExists(path)) return "file missing";
  const int64_t size = F_Stat(path).Size();
  const uint32_t limit = GetUploadSizeLimit();
  if (size >= kFourGiB || size > int64_t{limit})
    return "file of " + std::to_string(size) + " bytes is above the upload size limit of " + std::to_string(limit);
  return "";
}

// User info before an '@' may hold a password.
std::string ShownServer(const std::string& server) {
  const size_t at = server.rfind('@');
  return at == std::string::npos ? server : "***" + server.substr(at);
}

std::string TraceStart(const UploadTarget& target) { return target.host + "\t" + std::to_string(target.port) + "\t"; }

AttemptOutcome Refused(const UploadTarget& target, const std::string& script, const std::string& reason) {
  std::string address = TargetBaseUrl(target);
  address.pop_back();
  return {false, false, address + script + ": " + reason};
}

// Traces the end of the attempt and tells what the answer means for the file.
AttemptOutcome Judged(const UploadTarget& target, const std::string& script, const UploadAnswer& answer) {
  if (!answer.error.empty()) {
    std::cout << "\n" << TraceStart(target) << std::flush;
    std::cerr << answer.error << std::endl;
    AttemptOutcome outcome = Refused(target, script, answer.error);
    outcome.unreached = !answer.connected;
    return outcome;
  }
  std::cout << "\t" << answer.status << std::endl;
  if (answer.status >= kFirstFailingStatus)
    return Refused(target, script, "HTTP status " + std::to_string(answer.status));
  return {true, false, ""};
}

AttemptOutcome SendAttempt(UploadSession& session, const UploadAttempt& attempt, const std::string& script,
                           const std::string& path) {
  const std::string scheme = attempt.scheme.empty() ? GetScheme() : attempt.scheme;
  const std::optional<UploadTarget> target = ResolveUploadTarget(scheme, attempt.server);
  if (!target)
    return {false, false,
            "server setting \"" + ShownServer(attempt.server) + "\" is not a host name with an optional port"};
  const bool relaxCertificate = !GetSelfCertificate().empty();
  if (const std::string refusal = GateRefusal(path); !refusal.empty()) return {false, false, refusal};
  const std::string boundary = MakeBoundary();
  const Bytes body = make_form_data(path, boundary);
  if (body.empty()) return {false, false, "file could not be read whole"};

  // A fallback follows a failed connection, perhaps a blocked TLS one: no password goes out in clear then.
  const bool credentials = !attempt.fallback || target->secure;
  const UploadRequest request{*target,    script,           "Content-Type: multipart/form-data; boundary=" + boundary,
                              &body,      relaxCertificate, upload_agent(),
                              credentials};
  std::cout << TraceStart(*target) << script << "\t" << GetFileName(path) << std::flush;
  return Judged(*target, script, session.Send(request));
}

// Folders pass the existence test but are nothing to send.
bool IsFileToSend(const std::string& path) { return FileExists(path) && !FolderExists(path); }

void AddReason(std::string& reasons, const std::string& reason) {
  if (reasons.find(reason) != std::string::npos) return;
  reasons += (reasons.empty() ? "" : "; ") + reason;
}

// Up to three attempts for one file: the next only when the last could not
// connect; a server that answered has decided. The reason collects every
// distinct failure.
AttemptOutcome SendWithRetries(UploadSession& session, const std::string& scheme, const std::string& server,
                               const std::string& script, const std::string& path) {
  AttemptOutcome result;
  for (const UploadAttempt& attempt : UploadAttempts(scheme, server)) {
    const AttemptOutcome outcome = SendAttempt(session, attempt, script, path);
    if (outcome.sent) return outcome;
    AddReason(result.reason, outcome.reason);
    if (!outcome.unreached) break;
  }
  return result;
}

}  // namespace

bool post_file(const std::string& scheme, const std::string& server, const std::string& script,
               const std::string& path) {
  UploadSession session;
  return SendAttempt(session, {scheme, server, false}, script, path).sent;
}

bool post_files(const std::vector<std::string>& files, const std::string& scheme, const std::string& server,
                const std::string& script, PostFailure* failure) {
  if (failure) *failure = {};
  const std::string host = server.empty() ? GetServer() : server;
  const std::string target = script.empty() ? GetScriptPath() : script;
  UploadSession session;
  platform::TitleProgress progress("post_files ...", static_cast<unsigned>(files.size()));
  for (const std::string& path : files) {
    if (IsFileToSend(path)) {
      const AttemptOutcome outcome = SendWithRetries(session, scheme, host, target, path);
      if (!outcome.sent) {
        if (failure) *failure = {path, outcome.reason};
        return false;
      }
    }
    progress.Step();
  }
  return true;
}
