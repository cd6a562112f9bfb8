#include "net/parse_url.h"

#include <curl/curl.h>

#include <memory>

namespace {

using UrlHandle = std::unique_ptr<CURLU, decltype(&curl_url_cleanup)>;

std::optional<std::string> Part(CURLU* url, CURLUPart part, unsigned flags = 0) {
  char* text = nullptr;
  if (curl_url_get(url, part, &text, flags) != CURLUE_OK) return std::nullopt;
  std::string result(text);
  curl_free(text);
  return result;
}

}  // namespace

namespace net {

std::string ParsedUrl::Url() const {
  return std::string(secure ? "https" : "http") + "://" + host + ":" + std::to_string(port) + path;
}

std::optional<ParsedUrl> ParseUrl(const std::string& url) {
  UrlHandle handle(curl_url(), &curl_url_cleanup);
  if (!handle || curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) return std::nullopt;
  const auto scheme = Part(handle.get(), CURLUPART_SCHEME);
  const auto host = Part(handle.get(), CURLUPART_HOST);
  const auto port = Part(handle.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
  const auto path = Part(handle.get(), CURLUPART_PATH);
  if (!scheme || !host || host->empty() || !port || !path) return std::nullopt;
  if (*scheme != "http" && *scheme != "https") return std::nullopt;
  ParsedUrl parsed;
  parsed.secure = *scheme == "https";
  parsed.host = *host;
  parsed.port = static_cast<unsigned>(std::stoul(*port));
  parsed.path = path->empty() ? "/" : *path;
  if (const auto query = Part(handle.get(), CURLUPART_QUERY)) parsed.path += "?" + *query;
  return parsed;
}

}  // namespace net
