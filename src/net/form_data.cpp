#include "net/form_data.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "platform/fs/debug_log.h"
#include "platform/fs/file_io.h"
#include "platform/system/clock.h"
#include "suite/folders.h"

namespace net {
namespace {

constexpr int kOpenWaitSeconds = 10;
constexpr size_t kBoundaryTailLength = 16;

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

std::string HeadRows(const std::string& name, const std::string& boundary) {
  return "--" + boundary + "\r\n" + "Content-Disposition: form-data; name=\"file_img\"; filename=\"" +
         EscapeFormFileName(name) + "\"\r\n" + "Content-Type: application/octet-stream\r\n" + "\r\n";
}

bool Holds(platform::Bytes::const_iterator begin, platform::Bytes::const_iterator end, const std::string& text) {
  return std::search(begin, end, text.begin(), text.end()) != end;
}

// A file made to hold the time-named boundary could otherwise close its part
// and add parts of its own.
std::string BoundaryNotIn(platform::Bytes::const_iterator begin, platform::Bytes::const_iterator end,
                          const std::string& boundary) {
  static constexpr char kLetters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  std::random_device random;
  std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
  std::string chosen = boundary;
  while (Holds(begin, end, chosen)) {
    chosen = boundary;
    for (size_t i = 0; i < kBoundaryTailLength; ++i) chosen += kLetters[pick(random)];
  }
  return chosen;
}

void WriteDebugCopy(const std::string& name, const platform::Bytes& body) {
  platform::WriteFileBytes(suite::GetDatedTempFolder() + name + ".txt", body);
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

FormData MakeFormData(const std::string& path, const std::string& boundary, bool debugCopy) {
  const std::string name = platform::GetFileName(path);
  const std::string head = HeadRows(name, boundary);
  FormData form{boundary, {}};
  platform::Bytes& body = form.body;
  Append(body, head);
  // Room for the tail with a longer boundary, should the file hold this one.
  const size_t tailSize = boundary.size() + kBoundaryTailLength + 8;
  if (!AppendWholeFile(body, path, tailSize)) return {boundary, {}};
  form.boundary = BoundaryNotIn(body.begin() + static_cast<std::ptrdiff_t>(head.size()), body.end(), boundary);
  if (form.boundary != boundary) {
    const std::string chosenHead = HeadRows(name, form.boundary);
    body.erase(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(head.size()));
    body.insert(body.begin(), chosenHead.begin(), chosenHead.end());
  }
  Append(body, "\r\n--" + form.boundary + "--\r\n");
  if (debugCopy) WriteDebugCopy(name, body);
  return form;
}

}  // namespace net
