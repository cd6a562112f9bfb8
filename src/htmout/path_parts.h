// Text operations on paths that the page builders share. Only "/" separates;
// "\" is an ordinary file-name character.
#pragma once

#include <string>
#include <string_view>

// The text after the last "." of the file name, without the "."; empty when
// the file name has no ".".
std::string ExtensionOf(const std::string& path);

// Replaces the extension, or appends "." and the new one when there is none.
std::string ChangeExtension(const std::string& path, const std::string& extension);

// ASCII letters lowered; the folder words and extensions compared with it are
// all ASCII.
std::string LowerAscii(std::string_view text);

