// The key = value pairs of one section of an AWS credentials or config file.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace net {

using AwsProfileKeys = std::map<std::string, std::string>;

// The pairs of [section]; empty when the file or the section is missing.
// nullopt when the file is there but not a readable regular file of sane size.
std::optional<AwsProfileKeys> ReadAwsProfile(const std::string& path, const std::string& section);

}  // namespace net
