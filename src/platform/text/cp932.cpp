#include "platform/text/cp932.h"

#include <iconv.h>

#include <cerrno>

#include "platform/text/text_case.h"

namespace platform {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// One iconv conversion descriptor for the scope of a call.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) ::iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can and appends it to out; returns the errno that
  // stopped it, 0 when all input was used.
  int Convert(std::string_view& input, std::string& out) {
    char buffer[4096];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    int stop = 0;
    while (inLeft > 0) {
      char* next = buffer;
      size_t outLeft = sizeof buffer;
      const size_t result = ::iconv(cd_, &in, &inLeft, &next, &outLeft);
      out.append(buffer, static_cast<size_t>(next - buffer));
      if (result == static_cast<size_t>(-1) && errno != E2BIG) {
        stop = errno;
        break;
      }
    }
    input = std::string_view(in, inLeft);
    return stop;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> ConvertToUtf8(std::string_view bytes, const char* from) {
  if (IsAscii(bytes)) return std::string(bytes);
  std::string out;
  Converter converter("UTF-8", from);
  if (!converter.Valid()) return std::nullopt;
  while (converter.Convert(bytes, out) != 0) {
    out += kReplacement;
    bytes.remove_prefix(1);
  }
  return out;
}

std::optional<std::string> Cp932ToUtf8(std::string_view bytes) { return ConvertToUtf8(bytes, "CP932"); }

bool Utf8ToCp932(std::string_view text, std::string& out) {
  out.clear();
  Converter converter("CP932", "UTF-8");
  return converter.Valid() && converter.Convert(text, out) == 0;
}

}  // namespace platform
