// The lightweight page fetch used by the scrapers: one synchronous HTTP(S) request per call.
//
//   Text page = dq::WebFetch("https://www.tianqi.com/beijing/");
//
// WebFetchBytes is the general form. Its optional parameters live in FetchOptions; those
// whose absence matters are std::optional, and the values the request hands back (merged
// cookies, the header block sent, the raw response headers) land in a FetchReport when the
// caller points options.report at one:
//
//   dq::FetchReport report;
//   dq::FetchOptions options;
//   options.method = 1;
//   options.postText = "a=1";
//   options.cookies = "sid=9";
//   options.report = &report;
//   dq::Bytes body = dq::WebFetchBytes(url, options);
//
// A failure is never reported: it gives an empty body (and whatever the report could hold).
#pragma once

#include <functional>
#include <optional>

#include "web/fetch_limits.h"
#include "web/text.h"

namespace dq {

// What a request hands back besides its body.
struct FetchReport {
    Text cookies;      // the cookie text supplied, replaced by the merged text after a merge
    Text cookiesOut;   // the cookies the response set, merged with the supplied ones if asked
    Text headersSent;  // the request header block as built and sent (without final CR LF)
    Text rawHeaders;   // the final response's header block, status line first, CR LF separated;
                       // 5,000 spaces when it is 5,000 bytes or longer; empty without a response
};

struct FetchOptions {
    int method = 0;                // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE,
                                   // 6 TRACE, 7 CONNECT; any other number is GET
    Text postText;                 // body for methods other than GET when postBytes is empty
    std::optional<Text> cookies;   // cookie text to send ("a=1; b=2" or a "Cookie: ..." line);
                                   // nullopt when not supplied, which differs from empty
    Text headers;                  // extra request header lines joined by CR LF
    bool noRedirect = false;       // true: a redirect is returned, not followed
    Bytes postBytes;               // body; wins over postText when not empty
    Text proxy;                    // "host:port"; empty for a direct connection
    bool mergeCookies = true;      // merge the supplied cookies into FetchReport::cookiesOut
    bool completeHeaders = true;   // add the default lines the caller's headers lack
    bool normalizeHeaders = true;  // capitalize the caller's header names first
    FetchReport* report = nullptr; // receives the out-values when not null
    std::optional<web::FetchLimits> limits;  // this request's bounds; nullopt: those in force
    std::function<void()> whileWaiting;      // called while the transfer runs (an event pump)
};

// The response body of one request for url. URLs without a scheme are http; "https://" in
// any case selects TLS, and any server certificate is accepted.
Bytes WebFetchBytes(const Text& url, const FetchOptions& options = {});

// The body of a plain GET for url as Text: the bytes up to its first NUL.
Text WebFetch(const Text& url);

}  // namespace dq
