// s3:// addresses, object URLs with their escaped keys, and content types by extension.
#include "net/s3_address.h"

#include <gtest/gtest.h>

#include "net/content_type.h"

namespace net {

TEST(S3Address, ParsesBucketAndPrefix) {
  const struct {
    std::string url;
    std::optional<std::string> bucket, prefix;
  } rows[] = {
      {"s3://pics", "pics", ""}, {"s3://pics/", "pics", ""}, {"s3://pics/2024/june/", "pics", "2024/june"},
      {"s3://pics//x", std::nullopt, std::nullopt}, {"s3:///x", std::nullopt, std::nullopt},
      {"https://pics/x", std::nullopt, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto location = ParseS3Url(row.url);
    EXPECT_EQ(location.has_value(), row.bucket.has_value()) << row.url;
    if (!location || !row.bucket) continue;
    EXPECT_EQ(location->bucket, *row.bucket) << row.url;
    EXPECT_EQ(location->prefix, *row.prefix) << row.url;
  }
}

TEST(S3Address, ObjectUrls) {
  const S3Config local{"", "", "", "us-east-1", "http://127.0.0.1:7480"};
  const S3Config aws{"", "", "", "eu-west-1", ""};
  const struct {
    const S3Config& config;
    S3Location location;
    std::string name, url;
  } rows[] = {
      {local, {"b", "p/q"}, "a b+c&d~_.-/日.txt", "http://127.0.0.1:7480/b/p/q/a%20b%2Bc%26d~_.-/%E6%97%A5.txt"},
      {local, {"my.bucket", ""}, "x", "http://127.0.0.1:7480/my.bucket/x"},
      {aws, {"pics", "2024"}, "index.htm", "https://pics.s3.eu-west-1.amazonaws.com/2024/index.htm"},
      {aws, {"my.pics", ""}, "a=1", "https://s3.eu-west-1.amazonaws.com/my.pics/a%3D1"},
  };
  for (const auto& row : rows) EXPECT_EQ(S3ObjectUrl(row.config, row.location, row.name), row.url);
}

TEST(S3Address, ContentTypeFromExtension) {
  const std::pair<std::string, std::string> rows[] = {
      {"photo.JPG", "image/jpeg"},       {"page.htm", "text/html"},  {"style.css", "text/css"},
      {"movie.mp4", "video/mp4"},        {"archive.tar.gz", "application/gzip"},
      {"no_extension", "application/octet-stream"}, {"dir.d/README", "application/octet-stream"},
      {"x.unknownext", "application/octet-stream"},
  };
  for (const auto& [name, type] : rows) EXPECT_EQ(ContentTypeFor(name), type) << name;
}

}  // namespace net
