// The one libcurl transfer layer under both request engines (the page fetch and WebRequest):
// one blocking HTTP(S) exchange on the calling thread.
//
//   web::TransferRequest request;
//   request.address = "https://news.baidu.com/";
//   request.headers = "Accept: */*\r\nReferer: https://news.baidu.com/";
//   web::TransferResult result = web::PerformTransfer(request);
//
// Every call makes and frees its own handle and reads nothing mutable but the locked limits
// and loopback routes, so transfers may run on several threads at once. The header block is
// sent as given: the layer adds no Accept, Expect or Content-Type line of libcurl's own, no
// cookie engine runs, and no proxy comes from the environment.
#pragma once

#include <curl/curl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "web/fetch_limits.h"
#include "web/text.h"

namespace dq::web {

// A user name and password for basic authentication.
struct BasicLogin {
    std::string user;
    std::string password;
};

struct TransferRequest {
    std::string address;                 // the URL libcurl requests (http or https only)
    std::string verb = "GET";            // sent as it stands; HEAD asks for no body
    Text headers;                        // request header lines joined by CR LF
    std::optional<Bytes> body;           // sent with any verb, GET included, when present
    std::string userAgent;               // libcurl's User-Agent line; empty: none of its own
    std::string proxy;                   // "host:port"; empty: a direct connection
    bool followRedirects = true;
    std::optional<BasicLogin> serverLogin;
    std::optional<BasicLogin> proxyLogin;
    // By default any server certificate is accepted. With verifyPeer the certificate chain
    // and host name are checked against the system CA store, plus the PEM certificates of
    // extraCaFile when it is not empty.
    bool verifyPeer = false;
    std::string extraCaFile;
    // The kept response header block stops growing once it reaches this size.
    std::size_t maxHeaderBytes = 1u << 20;
    FetchLimits limits = CurrentFetchLimits();
    // Called repeatedly while the transfer runs (a window's event pump, say); may be empty.
    std::function<void()> whileWaiting;
};

struct TransferResult {
    Bytes body;                    // what arrived, cut at limits.maxBodyBytes
    Text rawHeaders;               // the final response's header block as received (status
                                   // line to blank line), cut at maxHeaderBytes; empty without
    bool headersComplete = false;  // the final response's blank line arrived
    bool requestStarted = false;   // a connection stood and the request began to go out
    CURLcode code = CURLE_OK;      // libcurl's verdict on the whole exchange
};

TransferResult PerformTransfer(const TransferRequest& request);

// Whether a line of the block begins with name (for example "Accept:"), ignoring case.
bool HasHeaderLine(const Text& headers, std::string_view name);

}  // namespace dq::web
