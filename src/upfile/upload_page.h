// The page that one press of Upload (or one "wx_pub --upload") publishes.
#pragma once

#include <string>

// The user name in 7-bit form + ".htm", computed anew on every call.
std::string UploadPageName();

// Browser address of the page folder + UploadPageName().
std::string UploadPageAddress();
