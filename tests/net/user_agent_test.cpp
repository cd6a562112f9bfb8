// Both agent strings, character for character.
#include "net/user_agent.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/system/system_places.h"
#include "platform/text/path_text.h"

namespace net {

TEST(UserAgent, Layouts) {
  const std::string linux = " Linux 6.1 (6.1.0-18-amd64)";
  const std::string tail = "UNICODE  AFXDLL  Linux K  curl C ", gcc = tail + " GCC G ";
  const struct {
    decltype(&UploadAgentLayout) layout;
    std::string resource, file, version, system;
    bool wow64;
    std::string agent;
  } rows[] = {
      {UploadAgentLayout, "wx_pub", "WX_PUB", "1.0.0.1", "", false, "wx_pub" + linux + " Ver.1.001  " + tail},
      {UploadAgentLayout, "wx_pub", "wx_pub_copy", "1, 2, 3, 4", "", false,
       "wx_pub" + linux + " (wx_pub_copy)  Ver.1.234  " + tail},
      {UploadAgentLayout, "p", "p", "", "rolling", true, "p Linux 0 (rolling) Ver.0  WOW64  " + tail},
      {DownloadAgentLayout, "wx_pub", "wx_pub", "1.0.0.1", "", false, "wx_pub" + linux + "  Ver.1.0.0.1  " + gcc},
      {DownloadAgentLayout, "wx_pub", "wx_pub_copy", "1, 2, 3, 4", "", false,
       "wx_pub" + linux + " (wx_pub_copy) Ver.1.2.3.4  " + gcc},
      {DownloadAgentLayout, "", "tool", "", "", false, "tool" + linux + " (tool) " + gcc},
      {DownloadAgentLayout, "p", "p", "", "10.0.19041.1", true, "p Linux 10 (10.0.19041.1)  WOW64  " + gcc},
  };
  for (const auto& row : rows) {
    AgentParts parts{row.resource, row.file, row.version, row.system.empty() ? "6.1.0-18-amd64" : row.system,
                     row.wow64, row.system.empty() ? "taro" : ""};
    // The build constants differ between machines: name them instead.
    std::string agent = std::regex_replace(row.layout(parts), std::regex(" Linux [0-9a-f]+  curl [0-9a-f]+ "), " Linux K  curl C ");
    agent = std::regex_replace(agent, std::regex(" GCC [0-9]+\\.[0-9]+ "), " GCC G ");
    EXPECT_EQ(agent, row.agent + (row.system.empty() ? "taro" : ""));
  }
}

TEST(UserAgent, RunningProgramNamesItselfAndItsUser) {
  const std::string upload = UploadAgent(), download = DownloadAgent();
  const std::string fileName = platform::GetFileName(platform::ProgramPath());
  EXPECT_EQ(upload.rfind(std::string(WXPUB_PROGRAM_NAME) + " Linux ", 0), 0u) << upload;
  EXPECT_NE(upload.find(" (" + fileName + ")  Ver."), std::string::npos) << upload;
  EXPECT_TRUE(upload.ends_with(" " + platform::UserName())) << upload;
  EXPECT_NE(download.find("(" + fileName + ") Ver." WXPUB_VERSION " "), std::string::npos) << download;
}

}  // namespace net
