#include "net/s3_config.h"

#include <cstdlib>

#include "net/aws_profile_file.h"

namespace net {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string EnvOr(const char* name, const std::string& fallback) {
  const std::string value = Env(name);
  return value.empty() ? fallback : value;
}

std::string Key(const AwsProfileKeys& keys, const char* name) {
  const auto found = keys.find(name);
  return found == keys.end() ? "" : found->second;
}

struct ProfileSource {
  std::string path, section;  // section as written in the file, for messages: "[profile x]"
  AwsProfileKeys keys;
};

bool ReadSource(const std::string& path, const std::string& section, ProfileSource* source, std::string* error) {
  const auto keys = ReadAwsProfile(path, section);
  if (!keys) {
    *error = "can't read " + path + " (not a regular file, unreadable or larger than 1 MiB)";
    return false;
  }
  *source = {path, "[" + section + "]", *keys};
  return true;
}

// The session token goes only with the keys of its own source.
bool TakeKeys(const std::string& access, const std::string& secret, const std::string& token, S3Config* config) {
  if (access.empty() || secret.empty()) return false;
  config->accessKey = access;
  config->secretKey = secret;
  config->sessionToken = token;
  return true;
}

bool ValidEndpoint(const std::string& endpoint) {
  return endpoint.starts_with("https://") || endpoint.starts_with("http://");
}

}  // namespace

bool LoadS3Config(S3Config* config, std::string* error) {
  const std::string home = Env("HOME");
  const std::string profile = EnvOr("AWS_PROFILE", "default");
  ProfileSource credentials, settings;
  if (!ReadSource(EnvOr("AWS_SHARED_CREDENTIALS_FILE", home + "/.aws/credentials"), profile, &credentials, error) ||
      !ReadSource(EnvOr("AWS_CONFIG_FILE", home + "/.aws/config"),
                  profile == "default" ? profile : "profile " + profile, &settings, error))
    return false;

  S3Config found;
  if (!TakeKeys(Env("AWS_ACCESS_KEY_ID"), Env("AWS_SECRET_ACCESS_KEY"), Env("AWS_SESSION_TOKEN"), &found) &&
      !TakeKeys(Key(credentials.keys, "aws_access_key_id"), Key(credentials.keys, "aws_secret_access_key"),
                Key(credentials.keys, "aws_session_token"), &found) &&
      !TakeKeys(Key(settings.keys, "aws_access_key_id"), Key(settings.keys, "aws_secret_access_key"),
                Key(settings.keys, "aws_session_token"), &found)) {
    *error = "no S3 credentials: set AWS_ACCESS_KEY_ID and AWS_SECRET_ACCESS_KEY, or add aws_access_key_id and "
             "aws_secret_access_key to " + credentials.section + " in " + credentials.path + " or to " +
             settings.section + " in " + settings.path;
    return false;
  }
  found.region = EnvOr("AWS_REGION", EnvOr("AWS_DEFAULT_REGION", Key(settings.keys, "region")));
  if (found.region.empty()) {
    *error = "no S3 region: set AWS_REGION or AWS_DEFAULT_REGION, or add region to " + settings.section + " in " +
             settings.path;
    return false;
  }
  found.endpoint = EnvOr("AWS_ENDPOINT_URL", Key(settings.keys, "endpoint_url"));
  while (found.endpoint.ends_with('/')) found.endpoint.pop_back();
  if (!found.endpoint.empty() && !ValidEndpoint(found.endpoint)) {
    *error = "S3 endpoint \"" + found.endpoint + "\" is not an http:// or https:// address";
    return false;
  }
  *config = found;
  return true;
}

}  // namespace net
