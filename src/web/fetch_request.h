// The request a page fetch sends, worked out from its URL and options before any I/O: verb,
// TLS, the address handed to libcurl, the user agent, the header block and the body.
#pragma once

#include <optional>

#include "web/fetch.h"

namespace dq::web {

struct FetchRequest {
    int method = 0;             // 0-7 after clamping
    Text verb;                  // "GET", "POST", ...
    bool https = false;
    Text address;               // scheme, host, port when not the scheme's own, path
    Text agent;                 // the session user agent
    bool agentInBlock = false;  // the block carries its own User-Agent line
    Text headers;               // the block as sent, lines joined by CR LF, no final CR LF
    std::optional<Bytes> body;  // none for GET (and HEAD, which never carries one)
};

FetchRequest BuildFetchRequest(const Text& url, const FetchOptions& options);

}  // namespace dq::web
