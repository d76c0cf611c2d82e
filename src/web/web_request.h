// The full request engine of the short-link features: one HTTP(S) request with control over
// method, body, headers, cookies, proxy, credentials, time-out and redirects; the body comes
// back as Text, decoded by the character set the page declares in a meta tag.
//
//   Text answer = dq::WebRequest("https://dwz.example/api?url=%2F%61");
//
//   dq::RequestReport report;            // out-values; what a run does not reach is kept
//   dq::RequestOptions options;
//   options.method = 1;
//   options.postText = "url=...";
//   options.report = &report;
//   options.pump = dq::BusyState::Pump();  // lets the window repaint while the answer arrives
//   Text answer = dq::WebRequest(address, options);
//
// Failures are never shown: a failing step writes its numbered message to report.message and
// the result is empty Text. After a complete exchange report.message holds the status text
// ("200 OK", "404 Not Found"), whatever the status.
#pragma once

#include <functional>

#include "web/text.h"

namespace dq {

// The out-values of a request. Each is written only when the run reaches the step that
// fills it; the others keep what they held.
struct RequestReport {
    Text cookies;     // the cookies supplied; the merged text after a merge
    Text cookiesOut;  // the pairs the response set are appended to what it held
    Text headersOut;  // the raw response header block, status line first, CR LF separated
    Text location;    // the value of the response's last Location line
    Text message;     // a failure message, or the status text after a complete exchange
    Bytes body;       // the raw response body
    // Set when the exchange was given up because nothing arrived for the whole time-out
    // (no connection, or no answer); a refused or closed connection does not set it.
    bool timedOut = false;
};

struct RequestOptions {
    int method = 0;                // 0 GET, 1 POST, 2 HEAD, 3 PUT, 4 OPTIONS, 5 DELETE,
                                   // 6 TRACE, 7 CONNECT; any other number is GET
    Text postText;                 // body when postBytes is empty
    Text cookies;                  // "a=1; b=2" or a whole "Cookie: ..." line; empty: none
    Text headers;                  // extra request header lines joined by CR LF
    bool noRedirect = false;       // true: a redirect is returned, not followed
    Text serverUser;               // basic credentials for the server, used only when both
    Text serverPassword;           //   halves are given
    Text proxy;                    // "host:port"; empty: no proxy
    Text proxyUser;                // basic credentials for the proxy, likewise
    Text proxyPassword;
    int timeoutSeconds = 0;        // bounds resolve+connect and every wait for data;
                                   // 0 or less: 30 seconds
    bool mergeCookies = true;      // merge the supplied cookies into RequestReport::cookiesOut
    bool completeHeaders = true;   // add the default lines the block lacks
    Bytes postBytes;               // body; wins over postText when not empty
    bool normalizeHeaders = true;  // capitalize the header names of the block
    RequestReport* report = nullptr;  // read and written when not null
    // Called while the request waits and works through the answer, so that a window can
    // repaint; empty for none. The engine itself knows nothing of windows.
    std::function<void()> pump;
};

// The body of the response as Text: empty when the engine stopped before the response header
// block; else the bytes up to the first NUL, decoded to GBK when the page declares a character
// set other than "gbk" or "gb2312" within its first 1,024 bytes.
Text WebRequest(const Text& url, const RequestOptions& options = {});

}  // namespace dq
