// How the request engine splits its URL: scheme http or https (any case), host, the port
// (the explicit one, else the scheme's), and the object name (path and query, or "/" alone
// when the host is followed directly by a query).
#pragma once

#include <optional>
#include <string>

#include "web/text.h"

namespace dq::web {

struct RequestUrl {
    bool https = false;
    Text host;
    int port = 0;
    Text object;          // "/" when the URL has no path; a fragment is never sent
    std::string address;  // the URL handed to libcurl: scheme, host, port and object
};

// nullopt when the URL has no scheme, a scheme other than http or https, no host, or a part
// libcurl's URL parser refuses (a port beyond 65535, say).
std::optional<RequestUrl> SplitRequestUrl(const Text& url);

}  // namespace dq::web
