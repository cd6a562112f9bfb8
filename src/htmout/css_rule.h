// Rules of the page's style sheet in the page's own layout (tab-indented,
// CR LF line ends).
#pragma once

#include <string>

// "\t\t\t<selector>\t{", the property lines, "\t\t\t\t}".
std::string CssRule(const std::string& selector, const std::string& lines);

// One property line: name, tab, ":", tab, value, tab, ";".
std::string CssLine(const std::string& name, const std::string& value);

// The width line, its name padded with two more tabs.
std::string CssWidthLine(const std::string& width);
