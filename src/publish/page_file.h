// The index page file of a folder: everything the page shows is gathered here
// (settings, link file, listing, thumbnails, time) and the page is written
// next to the files it lists.
#pragma once

#include <string>

#include "publish/upload_settings.h"

namespace publish {

// Writes folder + "/" + pageName; empty when the page was written there, else
// why not. Creates "main_lnk.htm" in the settings folder when it is missing,
// tidies thumbnails (see ThumbFinder), and first copies an earlier page of that
// name to the rescue folder. A failed page goes to the temporary work folder;
// none is written when the link markup file is no regular file or larger
// than 1 MiB.
std::string WriteIndexPage(const std::string& folder, const std::string& pageName, const UploadSettings& settings);

}  // namespace publish
