#include "platform/folders.h"
#include "platform/profile.h"
#include "update/update_check.h"

namespace {

std::string WithoutLeadingSeparator(const std::string& text) {
  if (!text.empty() && (text.front() == '/' || text.front() == '\\')) return text.substr(1);
  return text;
}

}  // namespace

std::string update_page_address() {
  Env profile(kUpdateProfile);
  const std::string server = profile.GetStr(kUpdateSection, kUpdateServerKey, kDefaultUpdateServer);
  const std::string path = profile.GetStr(kUpdateSection, kUpdatePathKey, kDefaultUpdatePath);
  const std::string address = NormalizePath(RemoveSeparator(server) + "/" + WithoutLeadingSeparator(path));
  if (!address.empty() && (address.front() == '/' || address.front() == '\\')) return address;
  return "//" + address;
}
