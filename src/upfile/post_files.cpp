#include "upfile/post_files.h"

#include <cstdint>
#include <iostream>

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

std::string TraceStart(const UploadTarget& target) { return target.host + "\t" + std::to_string(target.port) + "\t"; }

AttemptOutcome Refused(const UploadTarget& target, const std::string& script, const std::string& reason) {
  std::string address = TargetBaseUrl(target);
  address.pop_back();
  return {false, address + script + ": " + reason};
}

AttemptOutcome SendAttempt(UploadSession& session, const std::string& givenScheme, const std::string& server,
                           const std::string& script, const std::string& path) {
  const std::string scheme = givenScheme.empty() ? GetScheme() : givenScheme;
  const bool relaxCertificate = !GetSelfCertificate().empty();
  if (const std::string refusal = GateRefusal(path); !refusal.empty()) return {false, refusal};
  const std::string boundary = MakeBoundary();
  const Bytes body = make_form_data(path, boundary);
  if (body.empty()) return {false, "file could not be read whole"};

  const UploadTarget target = ResolveUploadTarget(scheme, server);
  const UploadRequest request{target, script,           "Content-Type: multipart/form-data; boundary=" + boundary,
                              &body,  relaxCertificate, upload_agent()};
  std::cout << TraceStart(target) << script << "\t" << GetFileName(path) << std::flush;
  const UploadAnswer answer = session.Send(request);
  if (!answer.error.empty()) {
    std::cout << "\n" << TraceStart(target) << std::flush;
    std::cerr << answer.error << std::endl;
    return Refused(target, script, answer.error);
  }
  std::cout << "\t" << answer.status << std::endl;
  if (answer.status >= kFirstFailingStatus)
    return Refused(target, script, "HTTP status " + std::to_string(answer.status));
  return {true, ""};
}

// Folders pass the existence test but are nothing to send.
bool IsFileToSend(const std::string& path) { return FileExists(path) && !FolderExists(path); }

void AddReason(std::string& reasons, const std::string& reason) {
  if (reasons.find(reason) != std::string::npos) return;
  reasons += (reasons.empty() ? "" : "; ") + reason;
}

// The three attempts for one file; the reason collects every distinct failure.
AttemptOutcome SendWithRetries(UploadSession& session, const std::string& scheme, const std::string& server,
                               const std::string& script, const std::string& path) {
  AttemptOutcome result;
  for (const UploadAttempt& attempt : UploadAttempts(scheme, server)) {
    const AttemptOutcome outcome = SendAttempt(session, attempt.scheme, attempt.server, script, path);
    if (outcome.sent) return outcome;
    AddReason(result.reason, outcome.reason);
  }
  return result;
}

}  // namespace

bool post_file(const std::string& scheme, const std::string& server, const std::string& script,
               const std::string& path) {
  UploadSession session;
  return SendAttempt(session, scheme, server, script, path).sent;
}

bool post_files(const std::vector<std::string>& files, const std::string& scheme, const std::string& server,
                const std::string& script, PostFailure* failure) {
  if (failure) *failure = {};
  const std::string host = server.empty() ? GetServer() : server;
  const std::string target = script.empty() ? GetScriptPath() : script;
  UploadSession session;
  MessageMFC progress("post_files ...", static_cast<unsigned>(files.size()));
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
