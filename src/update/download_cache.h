// Local copies of downloaded URLs: a file below the cache folder whose folder
// chain is made from the URL's host and path.
#pragma once

#include <cstddef>
#include <string>

#include "net/http_get.h"
#include "net/trace.h"

namespace update {

// Longest relative copy path before it is shortened, in UTF-16 units.
constexpr size_t kCachePathLimit = 100;

// The URL without its scheme, beginning with "//".
std::string UrlTail(const std::string& url);

// <temp>/z_Suite.tmp/IR_dump, created (an empty "I_Read" beside it as well).
std::string CacheFolder();

// The copy path relative to the cache folder ("_//host/path/_.htm").
std::string CacheRelativePath(const std::string& url);

// CacheFolder() joined with CacheRelativePath(url); the folder chain is created.
std::string CachePath(const std::string& url);

// Downloads the URL into its CachePath (the previous copy moved aside), HTTPS
// first, plain HTTP when that brings nothing; returns that path, whether or
// not a body arrived. Failed attempts go to the trace.
std::string FetchToCache(const std::string& url, const net::TraceSink& trace, const net::DownloadLimits& limits = {});

}  // namespace update
