// Keeping a local copy of a remote page: HTTPS first, plain HTTP when that
// brings nothing.
#pragma once

#include <string>

// Downloads the URL into its cache_path (the previous copy moved aside) and
// returns that path, whether or not a body arrived.
std::string fetch_to_cache(const std::string& url);
