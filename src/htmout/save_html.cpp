#include "htmout/line_writer.h"
#include "htmout/xml_out.h"
#include "platform/folders.h"

namespace {

constexpr std::string_view kDocumentTypeLine = "<!DOCTYPE html>\r\n";

std::string FallbackPath(const std::string& path) {
  std::string folder = GetTempWorkFolder();
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder + ToSafeFileName(path);
}

}  // namespace

// Text inside the program is UTF-8 already; it goes out unchanged.
bool WriteTextFile(const std::string& path, const std::string& text) {
  return WriteFileBytes(path, Bytes(text.begin(), text.end()));
}

namespace htmout {

bool SaveHtml(const Xml_E& root, const std::string& path) {
  // Every line ends with CR LF, which is what joining the document type line
  // and the tree's lines gives. The bytes go to the file without a text copy.
  Bytes page(kDocumentTypeLine.begin(), kDocumentTypeLine.end());
  AppendLines(root, 0, page);
  const bool ok = WriteFileBytes(path, page);
  if (!ok) WriteFileBytes(FallbackPath(path), page);
  return ok;
}

}  // namespace htmout
