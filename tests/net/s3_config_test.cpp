// Where credentials, region and endpoint come from, and what is said when one is missing.
#include "net/s3_config.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>

#include "support/sandbox.h"
#include "support/scoped_env.h"

namespace net {
namespace {

constexpr std::array kVariables = {"AWS_ACCESS_KEY_ID", "AWS_SECRET_ACCESS_KEY", "AWS_SESSION_TOKEN",
                                   "AWS_REGION",        "AWS_DEFAULT_REGION",    "AWS_ENDPOINT_URL",
                                   "AWS_PROFILE",       "AWS_SHARED_CREDENTIALS_FILE", "AWS_CONFIG_FILE"};

TEST(S3Config, EnvironmentFirstThenTheProfileFiles) {
  const std::string home = sandbox::Path("home");
  const std::string credentials =
      "[default]\naws_access_key_id = FILEKEY\naws_secret_access_key = filesecret\n"
      "[work]\naws_access_key_id=WORKKEY\naws_secret_access_key=worksecret\naws_session_token=worktoken\n";
  const std::string config =
      "[default]\nregion = eu-west-1\ns3 =\n  endpoint_url = http://nested.invalid\n"
      "[profile work]\nregion = ap-east-1\nendpoint_url = https://work.example/\n";
  const std::string other = sandbox::WriteFile(sandbox::Path("other/config"),
                                               "[default]\nregion=us-west-2\naws_access_key_id=CFGKEY\n"
                                               "aws_secret_access_key=cfgsecret\n");
  const struct Row {
    std::string label;
    std::map<std::string, std::string> env;
    bool files;
    S3Config expected;
    std::string error;  // a part of it, when loading fails
  } rows[] = {
      {"files alone", {}, true, {"FILEKEY", "filesecret", "", "eu-west-1", ""}, ""},
      {"environment wins",
       {{"AWS_ACCESS_KEY_ID", "ENVKEY"}, {"AWS_SECRET_ACCESS_KEY", "envsecret"}, {"AWS_SESSION_TOKEN", "envtoken"},
        {"AWS_REGION", "us-east-2"}, {"AWS_DEFAULT_REGION", "sa-east-1"}, {"AWS_ENDPOINT_URL", "http://127.0.0.1:9/"}},
       true, {"ENVKEY", "envsecret", "envtoken", "us-east-2", "http://127.0.0.1:9"}, ""},
      {"half a key pair in the environment",
       {{"AWS_ACCESS_KEY_ID", "ENVKEY"}, {"AWS_DEFAULT_REGION", "sa-east-1"}},
       true, {"FILEKEY", "filesecret", "", "sa-east-1", ""}, ""},
      {"profile", {{"AWS_PROFILE", "work"}}, true, {"WORKKEY", "worksecret", "worktoken", "ap-east-1",
       "https://work.example"}, ""},
      {"other config file with keys", {{"AWS_CONFIG_FILE", other}, {"AWS_SHARED_CREDENTIALS_FILE", other + ".none"}},
       true, {"CFGKEY", "cfgsecret", "", "us-west-2", ""}, ""},
      {"no credentials", {{"AWS_REGION", "eu-west-1"}}, false, {},
       "no S3 credentials: set AWS_ACCESS_KEY_ID and AWS_SECRET_ACCESS_KEY, or add aws_access_key_id and "
       "aws_secret_access_key to [default] in " + home + "/.aws/credentials or to [default] in " + home +
       "/.aws/config"},
      {"no region", {{"AWS_ACCESS_KEY_ID", "K"}, {"AWS_SECRET_ACCESS_KEY", "s"}, {"AWS_PROFILE", "p"}}, false, {},
       "no S3 region: set AWS_REGION or AWS_DEFAULT_REGION, or add region to [profile p] in " + home + "/.aws/config"},
      {"endpoint without a scheme", {{"AWS_ENDPOINT_URL", "minio:9000"}}, true, {},
       "S3 endpoint \"minio:9000\" is not an http:// or https:// address"},
      {"a folder as credentials file", {{"AWS_SHARED_CREDENTIALS_FILE", home}}, true, {}, "can't read " + home + " (not a regular file, unreadable or larger than 1 MiB)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    std::vector<std::unique_ptr<ScopedEnv>> env;
    for (const char* name : kVariables) {
      const auto value = row.env.find(name);
      env.push_back(std::make_unique<ScopedEnv>(
          name, value == row.env.end() ? std::nullopt : std::optional<std::string>(value->second)));
    }
    std::filesystem::remove_all(home + "/.aws");
    if (row.files) {
      sandbox::WriteFile(home + "/.aws/credentials", credentials);
      sandbox::WriteFile(home + "/.aws/config", config);
    }
    S3Config loaded;
    std::string error;
    const bool ok = LoadS3Config(&loaded, &error);
    EXPECT_EQ(ok, row.error.empty()) << error;
    EXPECT_EQ(error, row.error);
    const auto fields = [](const S3Config& c) { return std::tie(c.accessKey, c.secretKey, c.sessionToken, c.region, c.endpoint); };
    EXPECT_EQ(fields(loaded), fields(row.expected));
  }
}

}  // namespace
}  // namespace net
