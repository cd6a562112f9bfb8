// An INI file cut into lines in its own encoding: the text of a line serves to
// find sections and keys, its bytes are what an edit keeps of it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/fs/file_io.h"
#include "platform/text/text_decode.h"

namespace platform {

struct IniFileLine {
  size_t begin = 0;       // offset of the line in the file
  size_t contentEnd = 0;  // offset of its line end
  size_t end = 0;         // offset after its line end
  std::string text;       // the line without its end, decoded up to a zero character
};

struct IniFileLines {
  Bytes bytes;   // the whole file, byte-order mark included
  Encoding code = Encoding::None;  // the encoding of the file and of new lines (a 7-bit file takes UTF-8)
  std::vector<IniFileLine> lines;
};

// Lines end in CR LF, LF or CR. nullopt when the file cannot be decoded: its
// converter is missing, or it ends in part of a code unit.
std::optional<IniFileLines> SplitIniFile(Bytes bytes);

}  // namespace platform
