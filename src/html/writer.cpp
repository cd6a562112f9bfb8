#include "html/writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/fs/debug_log.h"
#include "platform/fs/file_io.h"
#include "platform/fs/file_operations.h"
#include "platform/fs/file_status.h"
#include "platform/system/feedback.h"
#include "suite/folders.h"

namespace html {
namespace {

constexpr int kMaxIndent = 13;
constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t";
constexpr const char* kDocumentTypeLine = "<!DOCTYPE html>\r\n";
constexpr int kOpenWaitSeconds = 10;
// Pages go to their file in chunks that stay in the processor's cache: a page
// of many thousand rows never needs one buffer of its whole size.
constexpr size_t kChunk = size_t{1} << 18;
// The page's size is not known before it is written: the progress bar goes
// round once per this many chunks.
constexpr unsigned kChunksPerRound = 25;

// A hint only: the saved page is the same without it.
inline void Prefetch(const void* address) {
#if defined(__GNUC__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

// Writes the lines of a tree through a buffer of one chunk; every full chunk,
// and the rest at the end, goes to the sink. A text of a chunk or more (the
// rows of a file table) goes to the sink unbuffered.
class LineWriter {
 public:
  using Sink = std::function<void(std::string_view)>;

  explicit LineWriter(Sink sink) : sink_(std::move(sink)), chunk_(new char[kChunk]), cursor_(chunk_.get()) {}

  void Write(const Element& element, int depth) {
    if (element.Name().empty()) return;
    if (element.IsComment())
      WriteComment(element, depth);
    else
      WriteTagged(element, depth);
  }

  void Put(std::string_view text) {
    if (text.size() > Room()) {
      Pass();
      if (text.size() >= kChunk) return sink_(text);
    }
    std::memcpy(cursor_, text.data(), text.size());
    cursor_ += text.size();
  }

  void Put(char c) {
    if (Room() == 0) Pass();
    *cursor_++ = c;
  }

  void Pass() {
    if (cursor_ != chunk_.get()) sink_(std::string_view(chunk_.get(), static_cast<size_t>(cursor_ - chunk_.get())));
    cursor_ = chunk_.get();
  }

 private:
  size_t Room() const { return static_cast<size_t>(chunk_.get() + kChunk - cursor_); }

  void WriteComment(const Element& comment, int depth) {
    Indent(depth);
    Put("<!--");
    Put(comment.Text());
    Put("-->");
    if (!comment.Elements().empty()) {
      Put("\r\n");
      Indent(depth);
      Put("<!--\r\n");
      WriteChildren(comment, depth + 1);
      Indent(depth + 1);
      Put("-->");
    }
    Put("\r\n");
  }

  void WriteTagged(const Element& element, int depth) {
    Indent(depth);
    Put('<');
    Put(element.Name());
    Put('\t');
    for (const Attribute& attribute : element.Attributes()) {
      // Values are never escaped; a value with a double quote gets apostrophes.
      const char quote = attribute.value.find('"') == std::string::npos ? '"' : '\'';
      Put(attribute.name);
      Put('=');
      Put(quote);
      Put(attribute.value);
      Put(quote);
      Put('\t');
    }
    const std::string& text = element.Text();
    if (text.empty() && element.Elements().empty()) {
      Put("/>\r\n");
      return;
    }
    Put('>');
    Put(std::string_view(text).substr(0, text.find('\0')));
    if (!element.Elements().empty()) {
      Put("\r\n");
      WriteChildren(element, depth + 1);
      Indent(depth + 1);
    }
    Put("</");
    Put(element.Name());
    Put(">\r\n");
  }

  // The tree lies scattered in memory: each child, its attributes and its own
  // children are fetched while the siblings before it are written.
  void WriteChildren(const Element& element, int depth) {
    const std::vector<Element>& children = element.Elements();
    for (const Element& child : children) {
      Prefetch(&child.Name());
      Prefetch(&child.Elements());
    }
    for (size_t i = 0; i < children.size(); ++i) {
      if (i + 1 < children.size()) {
        Prefetch(children[i + 1].Elements().data());
        Prefetch(children[i + 1].Attributes().data());
      }
      Write(children[i], depth);
    }
  }

  void Indent(int depth) { Put(kTabs.substr(0, static_cast<size_t>(std::clamp(depth, 0, kMaxIndent)))); }

  Sink sink_;
  std::unique_ptr<char[]> chunk_;
  char* cursor_;
};

// Opening waits and failures are logged as for any written file; a page file
// that could not be written whole is removed, so nobody takes it for the page.
bool WritePage(const Element& root, const std::string& path) {
  FILE* file = platform::OpenFileWait(path, "wb", kOpenWaitSeconds);
  if (!file) {
    platform::DbgLog("Can't open wb  " + path);
    return false;
  }
  // A page holds one row or entry per uploaded file: the window is kept
  // alive once per chunk.
  platform::TitleProgress progress("Xml_Out::CreateElement ...", kChunksPerRound);
  bool written = true;
  LineWriter writer([&](std::string_view text) {
    for (size_t at = 0; at < text.size(); at += kChunk) {
      const std::string_view piece = text.substr(at, kChunk);
      written = std::fwrite(piece.data(), 1, piece.size(), file) == piece.size() && written;
      progress.Step();
    }
  });
  writer.Put(kDocumentTypeLine);
  writer.Write(root, 0);
  writer.Pass();
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return true;
  platform::DbgLog("Can't write wb  " + path);
  if (platform::FileStatus(path).IsRegularFile()) platform::RemoveFile(path);
  return false;
}

std::string FallbackPath(const std::string& path) {
  return platform::AddSeparator(suite::GetTempWorkFolder()) + ToSafeFileName(path);
}

char SafeCharacter(char c) {
  switch (c) {
    case '\t': case '\n': case '\r': case '"': case ',': case ';': case '|':
      return '.';
    case ' ': case '/': case ':': case '?': case '\\':
      return '_';
    case '#': case '%':
      return '-';
    case '*':
      return 'x';
    case '<':
      return '(';
    case '>':
      return ')';
    default:
      return c;
  }
}

}  // namespace

std::string ElementText(const Element& element, int depth) {
  std::string text;
  LineWriter writer([&text](std::string_view piece) { text += piece; });
  writer.Write(element, depth);
  writer.Pass();
  return text;
}

bool SavePage(const Element& root, const std::string& path) {
  const bool ok = WritePage(root, path);
  if (!ok) WritePage(root, FallbackPath(path));
  return ok;
}

// Text inside the program is UTF-8 already; it goes out unchanged.
bool WriteTextFile(const std::string& path, const std::string& text) {
  return platform::WriteFileBytes(path, platform::Bytes(text.begin(), text.end()));
}

std::string ToSafeFileName(const std::string& text) {
  std::string safe = text;
  for (char& c : safe) c = SafeCharacter(c);
  return safe;
}

}  // namespace html
