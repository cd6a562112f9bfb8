#include <iostream>

#include "htmout/xml_out.h"
#include "net/cache_path.h"
#include "net/fetch_to_cache.h"
#include "platform/folders.h"
#include "platform/text_decode.h"
#include "update/page_compare.h"
#include "update/update_check.h"

namespace {

// "_.htm" -> "_.txt" beside it.
std::string NotePath(const std::string& copyPath) {
  return AddSeparator(GetFolderPart(copyPath)) + GetFileStem(copyPath) + ".txt";
}

void WriteFailureNote(const std::string& address, const std::string& copyPath) {
  const std::string notePath = NotePath(copyPath);
  const std::string note = address + "\r\n" + cache_relative_path(address) + "\r\n" + notePath + "\r\n";
  std::cerr << note;
  WriteTextFile(notePath, note);
}

}  // namespace

bool page_changed(const std::string& address) {
  const std::string oldText = ReadTextFile(cache_path(address));
  const std::string copyPath = fetch_to_cache(address);
  const std::string newText = ReadTextFile(copyPath);
  if (newText.empty()) WriteFailureNote(address, copyPath);
  if (oldText.empty()) {
    std::cerr << "new\n";
    return false;
  }
  if (same_page(oldText, newText)) {
    std::cerr << "no update\n";
    return false;
  }
  return !same_after_layout(oldText, newText);
}
