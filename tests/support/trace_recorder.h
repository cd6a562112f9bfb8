// Keeps the transport's trace as the command line would have printed it.
#pragma once

#include <string>

#include "net/upload_observer.h"

struct TraceRecorder : net::UploadObserver {
  void OnTrace(const std::string& text, net::TraceStream stream) override {
    (stream == net::TraceStream::Error ? err : out) += text;
  }
  std::string out;
  std::string err;
};
