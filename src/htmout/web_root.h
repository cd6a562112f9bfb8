// The web-root folder of a path: the deepest folder named like a site or
// synchronised-documents root ("www", "public", "dropbox", ...), below which
// the "images" tree of thumbnails mirrors the site.
#pragma once

#include <string>

// Searches the text of the path; isRegularFile drops the file name first.
// No trailing separator. When no folder word matches, the first component
// remains: a drive such as "D:", or empty for a path beginning with "/".
std::string WebRootOfText(const std::string& path, bool isRegularFile);
