// Where a downloaded URL is kept: a file below the cache folder whose folder
// chain is made from the URL's host and path.
#pragma once

#include <string>

// Longest relative copy path before it is shortened, in UTF-16 units.
constexpr size_t kCachePathLimit = 100;

// The URL without its scheme, beginning with "//".
std::string url_tail(const std::string& url);

// <temp>/z_Suite.tmp/IR_dump, created (an empty "I_Read" beside it as well).
std::string cache_folder();

// The copy path relative to the cache folder ("_//host/path/_.htm").
std::string cache_relative_path(const std::string& url);

// cache_folder() joined with cache_relative_path(url); the folder chain is created.
std::string cache_path(const std::string& url);
