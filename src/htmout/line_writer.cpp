#include "htmout/line_writer.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/feedback.h"

namespace htmout {
namespace {

constexpr int kMaxIndent = 13;
constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t";

// Appends to a byte buffer; optionally notes where each line ends (where its
// CR LF starts). Lines nested in a comment are part of the comment's line.
class ByteSink {
 public:
  static constexpr bool kReportsProgress = true;
  explicit ByteSink(Bytes& out, std::vector<size_t>* lineEnds = nullptr) : out_(out), lineEnds_(lineEnds) {}
  size_t Size() const { return out_.size(); }
  void Truncate(size_t size) { out_.resize(size); }
  void Put(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    out_.insert(out_.end(), bytes, bytes + text.size());
  }
  void Put(char c) { out_.push_back(static_cast<unsigned char>(c)); }
  void LineEnd() {
    if (lineEnds_) lineEnds_->push_back(out_.size());
  }

 private:
  Bytes& out_;
  std::vector<size_t>* lineEnds_;
};

// Only counts bytes.
class SizeSink {
 public:
  static constexpr bool kReportsProgress = false;
  size_t Size() const { return size_; }
  void Truncate(size_t size) { size_ = size; }
  void Put(std::string_view text) { size_ += text.size(); }
  void Put(char) { ++size_; }
  void LineEnd() {}

 private:
  size_t size_ = 0;
};

template <class Sink>
class LineWriter {
 public:
  explicit LineWriter(Sink& sink) : sink_(sink) {}

  void Write(const Xml_E& element, int depth);

 private:
  void WriteComment(const Xml_E& comment, int depth);
  void WriteTagged(const Xml_E& element, int depth);
  void WriteStartTag(const Xml_E& element, int depth);
  void WriteEndTag(const Xml_E& element);
  void WriteChildren(const Xml_E& element, int depth);
  void Indent(int depth);
  void EndLine();

  Sink& sink_;
  int commentNesting_ = 0;
};

template <class Sink>
void LineWriter<Sink>::Write(const Xml_E& element, int depth) {
  if (element.Name().empty()) return;
  if (element.IsComment())
    WriteComment(element, depth);
  else
    WriteTagged(element, depth);
}

template <class Sink>
void LineWriter<Sink>::WriteComment(const Xml_E& comment, int depth) {
  Indent(depth);
  sink_.Put("<!--");
  sink_.Put(comment.Text());
  sink_.Put("-->");
  if (!comment.Elements().empty()) {
    sink_.Put("\r\n");
    Indent(depth);
    sink_.Put("<!--");
    // The children's lines follow on lines of their own only when there are any.
    const size_t beforeChildren = sink_.Size();
    sink_.Put("\r\n");
    const size_t childrenStart = sink_.Size();
    ++commentNesting_;
    for (const Xml_E& child : comment.Elements()) Write(child, depth + 1);
    --commentNesting_;
    if (sink_.Size() == childrenStart) sink_.Truncate(beforeChildren);
    Indent(depth + 1);
    sink_.Put("-->");
  }
  EndLine();
}

template <class Sink>
void LineWriter<Sink>::WriteTagged(const Xml_E& element, int depth) {
  WriteStartTag(element, depth);
  const std::string& text = element.Text();
  if (text.empty() && element.Elements().empty()) {
    sink_.Put("/>");
    EndLine();
    return;
  }
  sink_.Put('>');
  sink_.Put(std::string_view(text).substr(0, text.find('\0')));
  if (element.Elements().empty()) {
    WriteEndTag(element);
    EndLine();
    return;
  }
  EndLine();
  WriteChildren(element, depth);
  Indent(depth + 1);
  WriteEndTag(element);
  EndLine();
}

template <class Sink>
void LineWriter<Sink>::WriteStartTag(const Xml_E& element, int depth) {
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

template <class Sink>
void LineWriter<Sink>::WriteEndTag(const Xml_E& element) {
  sink_.Put("</");
  sink_.Put(element.Name());
  sink_.Put('>');
}

template <class Sink>
void LineWriter<Sink>::WriteChildren(const Xml_E& element, int depth) {
  // A page holds one row or entry per uploaded file: keep the window alive.
  if constexpr (!Sink::kReportsProgress) {
    for (const Xml_E& child : element.Elements()) Write(child, depth + 1);
  } else {
    static const std::string title = "Xml_Out::CreateElement ...";
    MessageMFC progress(title, static_cast<unsigned>(element.Elements().size()));
    for (const Xml_E& child : element.Elements()) {
      progress.Step();
      Write(child, depth + 1);
    }
  }
}

template <class Sink>
void LineWriter<Sink>::Indent(int depth) {
  sink_.Put(kTabs.substr(0, static_cast<size_t>(std::clamp(depth, 0, kMaxIndent))));
}

template <class Sink>
void LineWriter<Sink>::EndLine() {
  if (commentNesting_ == 0) sink_.LineEnd();
  sink_.Put("\r\n");
}

}  // namespace

void AppendLines(const Xml_E& element, int depth, Bytes& out, std::vector<size_t>* lineEnds) {
  SizeSink counter;
  LineWriter<SizeSink>(counter).Write(element, depth);
  out.reserve(out.size() + counter.Size());
  ByteSink sink(out, lineEnds);
  LineWriter<ByteSink>(sink).Write(element, depth);
}

}  // namespace htmout
