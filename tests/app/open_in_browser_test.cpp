#include "app/open_in_browser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "support/debug_log_reader.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"

// The address reaches the desktop opener as one argument, whatever it holds;
// an opener's failure, or none on the path, is shown as the shell words it.
TEST(OpenInBrowser, HandsOverTheAddressAndShowsEachFailure) {
  const std::string bin = sandbox::Path("bin");
  const std::string record = sandbox::Path("opened.txt");
  const ScopedEnv path("PATH", bin);
  const std::string address = "https://127.0.0.1:8080/a b/data/$(touch x);'q'.htm";
  const std::string tail = "\nOperation=\"open\"\nFile=\"\"\nParamaters=\"" + address + "\"";
  const std::string noHandler = "There is no application associated with the given file name extension." + tail;
  // opener's exit status (none: no opener), message
  for (const auto& [status, message] : std::vector<std::pair<int, std::string>>{
           {0, ""}, {3, noHandler}, {2, "The specified file was not found." + tail}, {4, "Error\n\n" + address + tail},
           {-1, noHandler}}) {
    std::filesystem::remove(record);
    std::filesystem::remove(bin + "/xdg-open");
    if (status >= 0) {
      sandbox::WriteFile(bin + "/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + record + "'\nexit " +
                                                std::to_string(status) + "\n");
      ::chmod((bin + "/xdg-open").c_str(), 0755);
    }
    const std::string logBefore = DebugLogText();
    EXPECT_EQ(app::OpenInBrowser(nullptr, address), status == 0) << status;
    EXPECT_EQ(sandbox::ReadFile(record), status < 0 ? "" : "1\n" + address + "\n");
    // Without a window the box takes its default answer; the log keeps both
    // in its fixed-width line, the message's line ends as tabs.
    const std::string logged = DebugLogText().substr(logBefore.size());
    std::string line = "\t---- OK              Button1  [OK]    \t" + message + "\r\n";
    std::replace(line.begin() + 1, line.end() - 2, '\n', '\t');
    EXPECT_EQ(logged.ends_with(line), status != 0) << logged;
  }
}
