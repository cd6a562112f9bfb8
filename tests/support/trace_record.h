// The trace text a front end would print, kept per stream.
#pragma once

#include <string>

#include "net/trace.h"

struct TraceRecord {
  std::string output, error;
  net::TraceSink Sink() {
    return [this](net::TraceStream stream, const std::string& text) {
      (stream == net::TraceStream::Output ? output : error) += text;
    };
  }
};
