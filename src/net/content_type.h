// The Content-Type an object is served with, from its name's extension as the
// system's media type table gives it.
#pragma once

#include <string>

namespace net {

// "image/jpeg" for "a.JPG"; application/octet-stream when nothing is known.
std::string ContentTypeFor(const std::string& name);

}  // namespace net
