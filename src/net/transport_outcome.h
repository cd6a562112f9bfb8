// How a transfer failed, in the transport's own terms; the publishing core
// turns it into a cause a person can act on.
#pragma once

#include <cstdint>

namespace net {

struct TransportOutcome {
  enum class Kind {
    Status,          // the server answered with a failing status (a redirect too)
    Unreachable,     // no connection could be made, or the server text names no host
    NoAnswer,        // connected, but no whole answer came
    Untrusted,       // the TLS handshake or the server's certificate failed the check
    AnswerTooLarge,  // the answer passed the size the transport reads
    TooLarge,        // above the upload size limit
    FileUnreadable,  // the file was gone or could not be read whole
    Stopped,         // a stop request ended the transfer
  };
  Kind kind = Kind::FileUnreadable;
  int64_t number = 0;  // the HTTP status (Status) or the size limit in bytes (TooLarge)
};

}  // namespace net
