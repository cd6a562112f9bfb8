// The index page file of a folder: everything the page shows is gathered here
// (settings, link file, listing, thumbnails, time) and the page is written
// next to the files it lists.
#pragma once

#include <string>

#include "publish/upload_settings.h"

namespace publish {

// Writes folder + "/" + pageName; true when the page was written there.
// Creates "main_lnk.htm" in the settings folder when it is missing, tidies
// thumbnails (see ThumbFinder), and first copies an earlier page of that name
// to the rescue folder. A failed page goes to the temporary work folder.
bool WriteIndexPage(const std::string& folder, const std::string& pageName, const UploadSettings& settings);

}  // namespace publish
