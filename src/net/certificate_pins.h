// The server keys taken under self_certificate: the first key a host:port
// showed is the only one accepted from it later. One line per host:port,
// "host:port sha256//<base64 of the SHA-256 of the public key>", in
// pinned_certificates.txt of the settings folder; deleting a line accepts
// the next key that server shows.
#pragma once

#include <optional>
#include <string>

namespace net {

std::string PinFilePath();

// The key pinned for hostPort ("host:port"), if any.
std::optional<std::string> FindPinnedKey(const std::string& hostPort);

// Adds the line of hostPort; false when the file could not be written.
bool PinKey(const std::string& hostPort, const std::string& key);

}  // namespace net
