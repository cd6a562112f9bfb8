#include <cstdio>

#include "htmout/line_writer.h"
#include "htmout/xml_out.h"
#include "platform/debug_log.h"
#include "platform/file_services.h"
#include "platform/folders.h"

namespace {

constexpr const char* kDocumentTypeLine = "<!DOCTYPE html>\r\n";
constexpr int kOpenWaitSeconds = 10;

std::string FallbackPath(const std::string& path) { return AddSeparator(GetTempWorkFolder()) + ToSafeFileName(path); }

// The document type line and the tree's lines, each ended by CR LF: what
// joining them would give, streamed so that a large page is never held twice.
// Opening waits and failures are logged as for any written file; a page file
// that could not be written whole is removed, so nobody takes it for the page.
bool WritePage(const Xml_E& root, const std::string& path) {
  FILE* file = OpenFileWait(path, "wb", kOpenWaitSeconds);
  if (!file) {
    DbgLog("Can't open wb  " + path);
    return false;
  }
  const bool written = std::fputs(kDocumentTypeLine, file) >= 0 && htmout::WriteLines(root, 0, file);
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  DbgLog("Can't write wb  " + path);
  if (F_Stat(path).IsRegularFile()) RemoveFile(path);
  return false;
}

}  // namespace

// Text inside the program is UTF-8 already; it goes out unchanged.
bool WriteTextFile(const std::string& path, const std::string& text) {
  return WriteFileBytes(path, Bytes(text.begin(), text.end()));
}

namespace htmout {

bool SaveHtml(const Xml_E& root, const std::string& path) {
  const bool ok = WritePage(root, path);
  if (!ok) WritePage(root, FallbackPath(path));
  return ok;
}

}  // namespace htmout
