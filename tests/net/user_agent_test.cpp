// Both agent strings, character for character.
#include "net/user_agent.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/folders.h"
#include "platform/system_places.h"

namespace net {
namespace {

// The build constants differ between machines: name them instead.
std::string WithBuildConstantsNamed(const std::string& agent) {
  std::string named = std::regex_replace(agent, std::regex(" Linux [0-9a-f]+  curl [0-9a-f]+ "), " Linux K  curl C ");
  return std::regex_replace(named, std::regex(" GCC [0-9]+\\.[0-9]+ "), " GCC G ");
}

AgentParts Parts(const std::string& resource, const std::string& file, const std::string& version) {
  AgentParts parts;
  parts.resourceName = resource;
  parts.fileName = file;
  parts.fileVersion = version;
  parts.systemVersion = "6.1.0-18-amd64";
  parts.userName = "taro";
  return parts;
}

TEST(UserAgent, UploadAgentLayout) {
  EXPECT_EQ(WithBuildConstantsNamed(UploadAgentLayout(Parts("wx_pub", "WX_PUB", "1.0.0.1"))),
            "wx_pub Linux 6.1 (6.1.0-18-amd64) Ver.1.001  UNICODE  AFXDLL  Linux K  curl C taro");
  EXPECT_EQ(WithBuildConstantsNamed(UploadAgentLayout(Parts("wx_pub", "wx_pub_copy", "1, 2, 3, 4"))),
            "wx_pub Linux 6.1 (6.1.0-18-amd64) (wx_pub_copy)  Ver.1.234  UNICODE  AFXDLL  Linux K  curl C taro");
  // A file without values: the reader's status text stands in.
  const std::string status = "_____________________";
  EXPECT_EQ(WithBuildConstantsNamed(UploadAgentLayout(Parts(status, "tool", status))),
            status + " Linux 6.1 (6.1.0-18-amd64) (tool)  Ver.0  UNICODE  AFXDLL  Linux K  curl C taro");
}

TEST(UserAgent, DownloadAgentLayout) {
  EXPECT_EQ(WithBuildConstantsNamed(DownloadAgentLayout(Parts("wx_pub", "wx_pub", "1.0.0.1"))),
            "wx_pub Linux 6.1 (6.1.0-18-amd64)  Ver.1.0.0.1  UNICODE  AFXDLL  Linux K  curl C  GCC G taro");
  EXPECT_EQ(
      WithBuildConstantsNamed(DownloadAgentLayout(Parts("wx_pub", "wx_pub_copy", "1, 2, 3, 4"))),
      "wx_pub Linux 6.1 (6.1.0-18-amd64) (wx_pub_copy) Ver.1.2.3.4  UNICODE  AFXDLL  Linux K  curl C  GCC G taro");
  EXPECT_EQ(WithBuildConstantsNamed(DownloadAgentLayout(Parts("", "tool", ""))),
            "tool Linux 6.1 (6.1.0-18-amd64) (tool) UNICODE  AFXDLL  Linux K  curl C  GCC G taro");
}

TEST(UserAgent, SystemPartAndThirtyTwoBitMark) {
  AgentParts parts = Parts("p", "p", "");
  parts.systemVersion = "10.0.19041.1";
  parts.wow64 = true;
  parts.userName = "";
  EXPECT_EQ(WithBuildConstantsNamed(DownloadAgentLayout(parts)),
            "p Linux 10 (10.0.19041.1)  WOW64  UNICODE  AFXDLL  Linux K  curl C  GCC G ");
  parts.systemVersion = "rolling";
  EXPECT_EQ(UploadAgentLayout(parts).substr(0, 22), "p Linux 0 (rolling) Ve");
}

TEST(UserAgent, NumberTexts) {
  EXPECT_EQ(FixedTrimmed(10.0, 6), "10");
  EXPECT_EQ(FixedTrimmed(19.16, 6), "19.16");
  EXPECT_EQ(FixedTrimmed(1e60, 6), "1.000000e+60");
  EXPECT_DOUBLE_EQ(FileVersionNumber("2.10,0"), 2.1);
  EXPECT_DOUBLE_EQ(FileVersionNumber("1.2b3"), 1.2);
  EXPECT_DOUBLE_EQ(FileVersionNumber(""), 0);
}

TEST(UserAgent, RunningProgramNamesItselfAndItsUser) {
  const std::string upload = UploadAgent();
  const std::string fileName = platform::GetFileName(platform::ProgramPath());
  EXPECT_EQ(upload.rfind(std::string(WXPUB_PROGRAM_NAME) + " Linux ", 0), 0u) << upload;
  EXPECT_NE(upload.find(" (" + fileName + ")  Ver."), std::string::npos) << upload;
  EXPECT_EQ(upload.substr(upload.size() - platform::UserName().size()), platform::UserName());
  const std::string download = DownloadAgent();
  EXPECT_NE(download.find("(" + fileName + ") Ver." WXPUB_VERSION " "), std::string::npos) << download;
  EXPECT_EQ(DownloadAgent(), download);
}

}  // namespace
}  // namespace net
