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

std::string ParsedUrl::Url() const {
  return std::string(Secure() ? "https" : "http") + "://" + server + ":" + std::to_string(port) + object;
}

std::optional<ParsedUrl> AfxParseURL(const std::string& url) {
  UrlHandle handle(curl_url(), &curl_url_cleanup);
  if (!handle || curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) return std::nullopt;
  const auto scheme = Part(handle.get(), CURLUPART_SCHEME);
  const auto host = Part(handle.get(), CURLUPART_HOST);
  const auto port = Part(handle.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
  const auto path = Part(handle.get(), CURLUPART_PATH);
  if (!scheme || !host || host->empty() || !port || !path) return std::nullopt;
  if (*scheme != "http" && *scheme != "https") return std::nullopt;
  ParsedUrl parsed;
  parsed.service = *scheme == "https" ? AFX_INET_SERVICE_HTTPS : AFX_INET_SERVICE_HTTP;
  parsed.server = *host;
  parsed.port = static_cast<unsigned>(std::stoul(*port));
  parsed.object = path->empty() ? "/" : *path;
  if (const auto query = Part(handle.get(), CURLUPART_QUERY)) parsed.object += "?" + *query;
  return parsed;
}
