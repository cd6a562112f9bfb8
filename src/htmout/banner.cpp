#include "htmout/banner.h"

#include "htmout/page_time.h"
#include "platform/folders.h"

namespace {

// Source time stamp of the generator, as its compiler wrote it.
constexpr const char* kGeneratorStamp = "Wed Jul  7 16:51:38 2021";
constexpr const char* kContactHost = "localhost";
constexpr const char* kContactMail = "webmaster@localhost";

std::string GeneratorLine() {
  return std::string("HTML Exporter\t1.02\t") +
     ReformatTime(kGeneratorStamp, "%a %b %d %H:%M:%S %Y", kPageTimeFormat) + "\thtmout\r\n";
}

std::string ProgramLine() {
  return "EXE          \t    \t" + ReformatTime(__DATE__, "%b %d %Y", "%Y/%m/%d") + " 16:54:33\t" +
     GetModulePath() + "\r\n";
}

}  // namespace

namespace htmout {

Xml_E Banner() {
  const std::string text = "\r\n" + GeneratorLine() + ProgramLine() + "Time         \t    \t" +
              LocalTimeText(kPageTimeFormat) + "\r\n" + kContactHost + " \t    \t" +
              kContactMail + "\r\n";
  Xml_E banner("");
  banner.SetComment(text);
  return banner;
}

}  // namespace htmout
