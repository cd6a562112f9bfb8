// The start-up check for a newer version: the family's download page is
// fetched and compared with the copy kept at the previous start; after
// repeated changes the page is opened in the browser.
#pragma once

#include <string>

// Settings in the family profile.
constexpr const char* kUpdateProfile = "z_Suite";
constexpr const char* kUpdateSection = "IR_update";
constexpr const char* kUpdateServerKey = "server_name";
constexpr const char* kUpdatePathKey = "path_name";
constexpr const char* kUpdateCountKey = "update count";
// Nothing leaves the machine until someone names a real update server.
constexpr const char* kDefaultUpdateServer = "localhost";
constexpr const char* kDefaultUpdatePath = "z_Suite/download/";
constexpr int kDefaultUpdateCount = 3;
// The page opens once the count of detections passes this.
constexpr int kUpdateCountLimit = 5;

// "//" + server + "/" + path.
std::string update_page_address();

// True when the page changed since the previous start.
bool check_for_update();

// Downloads the page at the address and compares it with the kept copy.
bool page_changed(const std::string& address);
