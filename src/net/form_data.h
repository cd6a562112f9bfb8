// The multipart/form-data body of one upload: a single part "file_img"
// holding the file.
#pragma once

#include <string>

#include "platform/fs/file_io.h"

namespace net {

struct FormData {
  std::string boundary;  // the one the body uses
  platform::Bytes body;  // empty when the file cannot be read whole
};

// The request body for one file, separated by boundary unless the file's
// bytes hold it: then by boundary plus random letters they do not hold.
// debugCopy: the body is also written to the dated work folder as name + ".txt".
FormData MakeFormData(const std::string& path, const std::string& boundary, bool debugCopy);

// "-----upfile.hxx__" + the local time "%H%M%S".
std::string MakeBoundary();

// The filename parameter as browsers write it: '"' %22, CR %0D, LF %0A.
std::string EscapeFormFileName(const std::string& name);

}  // namespace net
