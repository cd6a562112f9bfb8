// Why a file did not reach the server, as a cause a person can act on: the
// checks, the staging and the destinations give these.
#pragma once

#include <cstdint>

#include "net/transport_outcome.h"

namespace publish {

struct FailureCause {
  enum class Kind {
    ServerStatus,       // the server answered with a failing status
    ServerUnreachable,  // no connection could be made
    NoAnswer,           // connected, but no whole answer came
    Untrusted,          // the TLS handshake or the server's certificate failed the check
    AnswerTooLarge,     // the server's answer passed the size the transport reads
    TooLarge,           // above the upload size limit
    DiskFull,           // no room for the staged copy or the page
    FileError,          // the file could not be read, copied or written
    Stopped,            // a stop request ended the job first
    NothingToPublish,   // the job lists no file
    FolderListed,       // a listed path is a folder
    FileMissing,        // a listed file is not there
    NotRegularFile,     // a FIFO, a device or a socket
    Unreadable,         // the file cannot be opened for reading
    FileChanged,        // the file changed or went while it was staged
    BadDestination,     // the destination text or its settings are not usable
    Busy,               // another job of the same user did not end in time
  };
  Kind kind = Kind::FileError;
  int64_t number = 0;  // the HTTP status (ServerStatus, also a redirect) or the size limit in bytes (TooLarge)
};

// The cause a failed transfer stands for.
FailureCause CauseOf(const net::TransportOutcome& outcome);

}  // namespace publish
