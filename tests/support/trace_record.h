// The trace text a front end would print, kept per stream: handed over as a
// net::TraceSink, or by the upload transport to its observer.
#pragma once

#include <string>

#include "net/upload_observer.h"

struct TraceRecord : net::UploadObserver {
  std::string output, error;
  void OnTrace(const std::string& text, net::TraceStream stream) override {
    (stream == net::TraceStream::Output ? output : error) += text;
  }
  net::TraceSink Sink() {
    return [this](net::TraceStream stream, const std::string& text) { OnTrace(text, stream); };
  }
};
