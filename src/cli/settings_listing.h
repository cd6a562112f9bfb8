// "wx_pub --settings": where every file the tool reads or writes lives, and
// each upload setting's value with where it came from, secrets masked.
#pragma once

#include <string>

namespace cli {

std::string SettingsListing();

}  // namespace cli
