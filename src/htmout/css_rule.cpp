#include "htmout/css_rule.h"

std::string CssRule(const std::string& selector, const std::string& lines) {
  return "\t\t\t" + selector + "\t{\r\n" + lines + "\t\t\t\t}\r\n";
}

std::string CssLine(const std::string& name, const std::string& value) {
  return "\t\t\t\t" + name + "\t:\t" + value + "\t;\r\n";
}

std::string CssWidthLine(const std::string& width) {
  return CssLine("width\t\t", width);
}
