#include "net/form_data.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/clock.h"
#include "platform/debug_log.h"
#include "platform/file_io.h"
#include "platform/folders.h"

namespace net {
namespace {

constexpr int kOpenWaitSeconds = 10;

void Append(platform::Bytes& body, const std::string& text) { body.insert(body.end(), text.begin(), text.end()); }

// Reads the file straight behind the head rows so that it is held only once,
// with room for tailSize more bytes; false unless exactly the bytes it held at
// opening were read.
bool AppendWholeFile(platform::Bytes& body, const std::string& path, size_t tailSize) {
  FILE* file = platform::OpenFileWait(path, "rb", kOpenWaitSeconds);
  if (!file) {
    platform::DbgLog("Can't open rb  " + path);
    return false;
  }
  struct stat status {};
  bool complete = ::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode);
  if (complete) {
    const size_t head = body.size();
    const size_t size = static_cast<size_t>(status.st_size);
    body.reserve(head + size + tailSize);
    body.resize(head + size);
    complete = std::fread(body.data() + head, 1, size, file) == size && std::fgetc(file) == EOF && !std::ferror(file);
  }
  std::fclose(file);
  if (!complete) platform::DbgLog("Can't read rb  " + path);
  return complete;
}

void WriteDebugCopy(const std::string& name, const platform::Bytes& body) {
  platform::WriteFileBytes(platform::GetDatedTempFolder() + name + ".txt", body);
}

}  // namespace

std::string MakeBoundary() {
  return "-----upfile.hxx__" + platform::FormatLocalTime("%H%M%S");
}

std::string EscapeFormFileName(const std::string& name) {
  std::string escaped;
  for (const char c : name) {
    switch (c) {
      case '"': escaped += "%22"; break;
      case '\r': escaped += "%0D"; break;
      case '\n': escaped += "%0A"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

platform::Bytes MakeFormData(const std::string& path, const std::string& boundary, bool debugCopy) {
  const std::string name = platform::GetFileName(path);
  const std::string tail = "\r\n--" + boundary + "--\r\n";
  platform::Bytes body;
  Append(body, "--" + boundary + "\r\n");
  Append(body, "Content-Disposition: form-data; name=\"file_img\"; filename=\"" + EscapeFormFileName(name) + "\"\r\n");
  Append(body, "Content-Type: application/octet-stream\r\n");
  Append(body, "\r\n");
  if (!AppendWholeFile(body, path, tail.size())) return {};
  Append(body, tail);
  if (debugCopy) WriteDebugCopy(name, body);
  return body;
}

}  // namespace net
