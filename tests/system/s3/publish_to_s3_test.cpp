// "wx_pub --upload --to s3://BUCKET/PREFIX" as a person runs it, with the
// credentials in the environment, against the gateway of the test run.
#include <gtest/gtest.h>

#include <optional>

#include "publish/upload_settings.h"
#include "s3_gateway.h"
#include "support/program_run.h"
#include "support/sandbox.h"
#include "support/scoped_env.h"
#include "support/upload_site.h"

namespace {

using s3test::TheGateway;

// The published page, its files read back byte for byte; then jobs that
// must fail leave every object as it was and name the S3 error.
TEST(PublishToS3, ThePageAndItsFilesAreReadBackAndAFailedJobChangesNoObject) {
  const net::S3Config& gateway = TheGateway().config;
  const ScopedEnv key("AWS_ACCESS_KEY_ID", gateway.accessKey), secret("AWS_SECRET_ACCESS_KEY", gateway.secretKey),
      region("AWS_REGION", gateway.region), endpoint("AWS_ENDPOINT_URL", gateway.endpoint);
  const net::S3Location location = s3test::FreshLocation("cli/page");
  const std::string to = "s3://" + location.bucket + "/" + location.prefix;
  const std::pair<std::string, std::string> files[] = {
      {"photo.png", std::string("\x89PNG\r\n\x1a\n\0bytes", 14)}, {"a b.txt", "blank"}, {"日本.txt", "kana"}};
  std::vector<std::string> arguments = {"--upload", "--to", to};
  for (const auto& [name, bytes] : files) arguments.push_back(sandbox::WriteFile(sandbox::Path("s3src/" + name), bytes));

  const ProgramRun run = RunWxPub(arguments);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string pageAddress = LastLine(run.out);
  // The gateway's objects are addressed by path.
  EXPECT_EQ(pageAddress, gateway.endpoint + "/" + location.bucket + "/" + location.prefix + "/" + UserPageName());
  const s3test::Fetched page = s3test::Fetch(pageAddress);
  EXPECT_EQ(page.status, 200);
  EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
  for (const std::string staged : {"photo.png", "a_b.txt", "ec.txt"}) {
    EXPECT_NE(page.body.find("\"" + staged + "\""), std::string::npos) << staged << page.body;
  }
  EXPECT_EQ(s3test::Fetch(net::S3ObjectUrl(gateway, location, "photo.png")).body, files[0].second);
  EXPECT_EQ(s3test::Fetch(net::S3ObjectUrl(gateway, location, "a_b.txt")).body, "blank");
  EXPECT_EQ(s3test::Fetch(net::S3ObjectUrl(gateway, location, "ec.txt")).body, "kana");
  const std::string stored = s3test::ListedKeys(location);

  const std::string large = sandbox::WriteFile(sandbox::Path("s3src/large.bin"), std::string(2 << 20, 'l'));
  const struct {
    const char* label;
    std::string settings, variable;
    std::optional<std::string> value;
    std::string to, err;
  } failing[] = {
      {"above its own limit", "s3_max_file_size=1M\n", "AWS_REGION", gateway.region, to,
       "/large.bin: the file is larger than the limit of 1 MiB"},
      {"wrong secret", "", "AWS_SECRET_ACCESS_KEY", "wrong", to, "SignatureDoesNotMatch"},
      {"missing bucket", "", "AWS_REGION", gateway.region, "s3://no-such-bucket/x", "NoSuchBucket"},
      {"no credentials", "", "AWS_ACCESS_KEY_ID", std::nullopt, to, "AWS_ACCESS_KEY_ID"},
  };
  for (const auto& row : failing) {
    sandbox::WriteFile(publish::SettingsFilePath(), "[Preference_202206]\n" + row.settings);
    const ScopedEnv changed(row.variable.c_str(), row.value);
    std::vector<std::string> again = arguments;
    again[2] = row.to;
    again.push_back(large);
    const ProgramRun failed = RunWxPub(again);
    EXPECT_EQ(failed.status, 1) << row.label;
    EXPECT_NE(failed.err.find(row.err), std::string::npos) << row.label << failed.err;
    EXPECT_EQ(failed.out.find("http"), std::string::npos) << row.label;
    EXPECT_EQ(s3test::ListedKeys(location), stored) << row.label;
    EXPECT_EQ(s3test::Fetch(pageAddress).body, page.body) << row.label;
  }
}

}  // namespace
