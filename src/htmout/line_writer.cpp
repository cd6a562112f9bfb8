#include "htmout/line_writer.h"

#include <algorithm>
#include <string_view>

#include "platform/feedback.h"

namespace htmout {
namespace {

constexpr int kMaxIndent = 13;
constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t";
constexpr size_t kFileChunk = size_t{1} << 18;

// Collects the text in memory and notes where the lines end.
class TextSink {
 public:
  TextSink(std::string& out, std::vector<size_t>& lineEnds) : out_(out), lineEnds_(lineEnds) {}
  void Put(std::string_view text) { out_ += text; }
  void Put(char c) { out_ += c; }
  void LineEnd() { lineEnds_.push_back(out_.size()); }

 private:
  std::string& out_;
  std::vector<size_t>& lineEnds_;
};

// Passes the text to a file in chunks that stay in the processor's cache;
// a page of many thousand rows never needs one buffer of its whole size.
class FileSink {
 public:
  explicit FileSink(FILE* file) : file_(file) { chunk_.reserve(kFileChunk); }
  void Put(std::string_view text) {
    if (chunk_.size() + text.size() > kFileChunk) Flush();
    chunk_ += text;
  }
  void Put(char c) { Put(std::string_view(&c, 1)); }
  void LineEnd() {}
  // False when any part could not be written.
  bool Flush() {
    if (!chunk_.empty() && std::fwrite(chunk_.data(), 1, chunk_.size(), file_) != chunk_.size()) failed_ = true;
    chunk_.clear();
    return !failed_;
  }

 private:
  FILE* file_;
  std::string chunk_;
  bool failed_ = false;
};

template <class Sink>
class LineWriter {
 public:
  explicit LineWriter(Sink& sink) : sink_(sink) {}

  void Write(const Xml_E& element, int depth) {
    if (element.Name().empty()) return;
    if (element.IsComment())
      WriteComment(element, depth);
    else
      WriteTagged(element, depth);
  }

 private:
  void WriteComment(const Xml_E& comment, int depth) {
    Indent(depth);
    sink_.Put("<!--");
    sink_.Put(comment.Text());
    sink_.Put("-->");
    if (!comment.Elements().empty()) {
      sink_.Put("\r\n");
      Indent(depth);
      sink_.Put("<!--");
      // The children's lines go on lines of their own, when they write any.
      const auto writesLines = [](const Xml_E& child) { return !child.Name().empty(); };
      if (std::any_of(comment.Elements().begin(), comment.Elements().end(), writesLines)) sink_.Put("\r\n");
      ++commentNesting_;
      for (const Xml_E& child : comment.Elements()) Write(child, depth + 1);
      --commentNesting_;
      Indent(depth + 1);
      sink_.Put("-->");
    }
    EndLine();
  }

  void WriteTagged(const Xml_E& element, int depth) {
    WriteStartTag(element, depth);
    const std::string& text = element.Text();
    const bool hasChildren = !element.Elements().empty();
    if (text.empty() && !hasChildren) {
      sink_.Put("/>");
      EndLine();
      return;
    }
    sink_.Put('>');
    sink_.Put(std::string_view(text).substr(0, text.find('\0')));
    if (hasChildren) {
      EndLine();
      WriteChildren(element, depth);
      Indent(depth + 1);
    }
    sink_.Put("</");
    sink_.Put(element.Name());
    sink_.Put('>');
    EndLine();
  }

  void WriteStartTag(const Xml_E& element, int depth) {
    Indent(depth);
    sink_.Put('<');
    sink_.Put(element.Name());
    sink_.Put('\t');
    for (const Xml_Attribute& attribute : element.Attributes()) {
      // Values are never escaped; a value with a double quote gets apostrophes.
      const char quote = attribute.Value().find('"') == std::string::npos ? '"' : '\'';
      sink_.Put(attribute.Name());
      sink_.Put('=');
      sink_.Put(quote);
      sink_.Put(attribute.Value());
      sink_.Put(quote);
      sink_.Put('\t');
    }
  }

  void WriteChildren(const Xml_E& element, int depth) {
    // A page holds one row or entry per uploaded file: keep the window alive.
    static const std::string title = "Xml_Out::CreateElement ...";
    platform::TitleProgress progress(title, static_cast<unsigned>(element.Elements().size()));
    for (const Xml_E& child : element.Elements()) {
      progress.Step();
      Write(child, depth + 1);
    }
  }

  void Indent(int depth) { sink_.Put(kTabs.substr(0, static_cast<size_t>(std::clamp(depth, 0, kMaxIndent)))); }

  void EndLine() {
    if (commentNesting_ == 0) sink_.LineEnd();
    sink_.Put("\r\n");
  }

  Sink& sink_;
  int commentNesting_ = 0;
};

}  // namespace

void AppendLines(const Xml_E& element, int depth, std::string& out, std::vector<size_t>& lineEnds) {
  TextSink sink(out, lineEnds);
  LineWriter<TextSink>(sink).Write(element, depth);
}

bool WriteLines(const Xml_E& element, int depth, FILE* file) {
  FileSink sink(file);
  LineWriter<FileSink>(sink).Write(element, depth);
  return sink.Flush();
}

}  // namespace htmout
