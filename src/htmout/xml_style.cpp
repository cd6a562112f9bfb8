#include "htmout/xml_style.h"

#include "platform/utf.h"

namespace {

// The characters iswspace accepts for UTF-16 text.
bool IsWideSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

std::string TrimWideSpace(const std::string& text) {
  const std::u16string units = Utf8ToUtf16(text);
  size_t begin = 0;
  size_t end = units.size();
  while (begin < end && IsWideSpace(units[begin])) ++begin;
  while (end > begin && IsWideSpace(units[end - 1])) --end;
  return Utf16ToUtf8(std::u16string_view(units).substr(begin, end - begin));
}

}  // namespace

bool v_Xml_Style::Add(const char* name, const char* value) {
  styles_.emplace_back(htmout::FromPointer(name), htmout::FromPointer(value));
  return true;
}

bool v_Xml_Style::Add(const std::string& name, const std::string& value) {
  return Add(name.c_str(), value.c_str());
}

int v_Xml_Style::GetCount() const { return static_cast<int>(styles_.size()); }

Xml_Style v_Xml_Style::GetAt(int index) const {
  if (index < 0 || index >= GetCount()) return Xml_Style();
  return styles_[static_cast<size_t>(index)];
}

std::string v_Xml_Style::ToString() const {
  std::string text;
  for (const Xml_Style& style : styles_) {
    if (style.Name().empty() || style.Value().empty()) continue;
    text += style.Name();
    text += " : ";
    text += style.Value();
    text += " ;\t";
  }
  return TrimWideSpace(text);
}
