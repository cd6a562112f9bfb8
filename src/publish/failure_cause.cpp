#include "publish/failure_cause.h"

namespace publish {

FailureCause CauseOf(const net::TransportOutcome& outcome) {
  using Transport = net::TransportOutcome::Kind;
  using Kind = FailureCause::Kind;
  switch (outcome.kind) {
    case Transport::Status: return {Kind::ServerStatus, outcome.number};
    case Transport::Unreachable: return {Kind::ServerUnreachable};
    case Transport::NoAnswer: return {Kind::NoAnswer};
    case Transport::Untrusted: return {Kind::Untrusted};
    case Transport::AnswerTooLarge: return {Kind::AnswerTooLarge};
    case Transport::TooLarge: return {Kind::TooLarge, outcome.number};
    case Transport::Stopped: return {Kind::Stopped};
    case Transport::FileUnreadable: break;
  }
  return {Kind::FileError};
}

}  // namespace publish
