// Trace text handed upward instead of printed: the front end that ran the
// work decides where it goes.
#pragma once

#include <functional>
#include <string>

namespace net {

// The standard stream the front end prints the text on.
enum class TraceStream { Output, Error };

// Receives the text exactly as it is to be printed, line ends included.
using TraceSink = std::function<void(TraceStream stream, const std::string& text)>;

}  // namespace net
