// The one libcurl client of the program: a handle that sends the upload
// POSTs of one job and the download GETs. Between requests the handle keeps
// its connection (and TLS session) open.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

#include "net/upload_observer.h"
#include "net/upload_target.h"
#include "platform/fs/file_io.h"

namespace net {

// Time bounds of one request: a dead, silent or dripping server costs seconds.
struct Deadlines {
  long connectMs = 0;
  long stallSeconds = 0;  // no byte for this long ends the transfer
  long totalMs = 0;
};

struct PostRequest {
  UploadTarget target;
  std::string script;       // request target, sent unchanged
  std::string contentType;  // the one header line this request sets
  const platform::Bytes* body = nullptr;
  // TLS takes a certificate a known authority signs for the host; with
  // ownCertificate any, or with pinnedKey ("sha256//...") only that key.
  bool ownCertificate = false;
  std::string pinnedKey;
  long answerSeconds = 0;  // after the last body byte went, the server may stay silent this long
  std::string agent;
  bool credentials = false;  // a user name and password for the host may come from ~/.netrc
  UploadObserver* observer = nullptr;       // hears the bytes sent
  const std::atomic<bool>* stop = nullptr;  // set: the transfer is aborted
};

struct PostAnswer {
  long status = 0;         // HTTP status of the answer, 0 when none came
  std::string error;       // transport error text; empty when an answer came
  bool connected = false;  // a connection (with TLS when secure) was made for the request
  bool untrusted = false;  // the TLS handshake or the check of the server's certificate failed
  bool answerTooLarge = false;
  std::string proxy;      // the proxy setting the request went by; empty when none was set
  std::string location;   // where a redirect pointed
  std::string serverKey;  // with ownCertificate, on a new connection: the key the server showed
};

// Takes one piece of a GET body; false ends the transfer.
using BodyWriter = std::function<bool(const char* data, size_t size)>;

class HttpClient {
 public:
  HttpClient();
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  PostAnswer Post(const PostRequest& request);

  // Only the TLS handshake of request, with ownCertificate: serverKey tells
  // which key the server shows before anything is sent to it.
  PostAnswer ProbeServerKey(const PostRequest& request);

  // GET of url with redirects (http and https only), the body handed to
  // write; empty when the transfer ended well, else the transport's error
  // text. Once *stop is set (when given), the transfer ends at once.
  std::string Get(const std::string& url, const Deadlines& deadlines, const BodyWriter& write,
                  const std::atomic<bool>* stop = nullptr);

 private:
  void* curl_;
};

}  // namespace net
