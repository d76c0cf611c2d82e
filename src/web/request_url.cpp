#include "web/request_url.h"

#include <curl/curl.h>

#include <memory>

#include "web/text.h"

namespace dq::web {
namespace {

struct UrlCleanup {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using CurlUrl = std::unique_ptr<CURLU, UrlCleanup>;

// One part of a parsed URL; nullopt when the URL has none.
std::optional<std::string> Part(CURLU* url, CURLUPart part, unsigned int flags = 0) {
    char* value = nullptr;
    if (curl_url_get(url, part, &value, flags) != CURLUE_OK || value == nullptr) return std::nullopt;
    std::string copy(value);
    curl_free(value);
    return copy;
}

// The host part as written: from after "://" to the first "/", "?" or "#" (or the end).
struct Authority {
    std::size_t length = 0;
    bool pathFollows = false;  // a "/" ends it
};

Authority AuthorityOf(std::string_view url) {
    const std::size_t start = url.find("://");
    if (start == std::string_view::npos) return {};
    const std::size_t end = url.find_first_of("/?#", start + 3);
    if (end == std::string_view::npos) return {url.size() - start - 3, false};
    return {end - start - 3, url[end] == '/'};
}

}  // namespace

std::optional<RequestUrl> SplitRequestUrl(const Text& url) {
    CurlUrl parsed(curl_url());
    if (!parsed ||
        curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), CURLU_ALLOW_SPACE) != CURLUE_OK)
        return std::nullopt;
    const std::optional<std::string> scheme = Part(parsed.get(), CURLUPART_SCHEME);
    const std::optional<std::string> host = Part(parsed.get(), CURLUPART_HOST);
    const std::optional<std::string> port = Part(parsed.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT);
    const Authority authority = AuthorityOf(url);
    if (!scheme || (*scheme != "http" && *scheme != "https") || !host || !port ||
        authority.length == 0)
        return std::nullopt;

    RequestUrl split;
    split.https = *scheme == "https";
    split.host = *host;
    split.port = text::ToInt(*port);
    if (authority.pathFollows) {
        split.object = Part(parsed.get(), CURLUPART_PATH).value_or("/");
        if (const auto query = Part(parsed.get(), CURLUPART_QUERY)) split.object += "?" + *query;
    } else {
        split.object = "/";
    }
    // libcurl refuses a space in the address it is given (bytes above 0x7F it escapes itself).
    split.address =
        *scheme + "://" + split.host + ":" + *port + text::ReplaceAll(split.object, " ", "%20");
    return split;
}

}  // namespace dq::web
