#include "platform/process/system_clipboard.h"

#include <cstdlib>
#include <vector>

#include "platform/process/process.h"
#include "platform/text/path_text.h"

namespace platform {
namespace {

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

// The first tool the session's display can use, with the arguments that make
// it take the clipboard (not the primary selection) from standard input.
std::vector<std::string> ClipboardTool() {
  std::vector<std::vector<std::string>> tools;
  if (Set("WAYLAND_DISPLAY")) tools.push_back({"wl-copy"});
  if (Set("DISPLAY")) {
    tools.push_back({"xclip", "-selection", "clipboard", "-in"});
    tools.push_back({"xsel", "--clipboard", "--input"});
  }
  for (std::vector<std::string>& tool : tools) {
    if (const std::string path = FindProgram(tool.front()); !path.empty()) {
      tool.front() = path;
      return tool;
    }
  }
  return {};
}

}  // namespace

std::string CopyToSystemClipboard(const std::string& text) {
  if (!Set("WAYLAND_DISPLAY") && !Set("DISPLAY")) return "there is no display (neither WAYLAND_DISPLAY nor DISPLAY is set)";
  const std::vector<std::string> tool = ClipboardTool();
  if (tool.empty()) return "no clipboard program was found (wl-copy, xclip or xsel)";
  const int status = RunWithInput(tool, text);
  if (status == 0) return "";
  const std::string name = GetFileName(tool.front());
  return status < 0 ? name + " could not be started" : name + " ended with status " + std::to_string(status);
}

}  // namespace platform
