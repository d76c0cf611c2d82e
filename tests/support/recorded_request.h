// One HTTP request as the loopback test server received it, byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dq::testing {

struct RecordedRequest {
    std::string raw;                       // every byte received: head, blank line and body
    std::string requestLine;               // e.g. "GET /a?b=1 HTTP/1.1"
    std::string method;                    // e.g. "GET"
    std::string target;                    // as sent: "/a?b=1", or "http://host/a" via a proxy
    std::vector<std::string> headerLines;  // in arrival order, without CR LF
    std::string body;                      // the Content-Length bytes after the head
    bool secure = false;                   // arrived over TLS

    // The value (after the colon, spaces around it removed) of the first header line with this
    // name, compared ignoring ASCII case; nullopt when there is none.
    std::optional<std::string> header(std::string_view name) const;
    // How many header lines carry this name (ignoring ASCII case).
    int headerCount(std::string_view name) const;
    // The path of the target without query: "/a" for "/a?b=1" and for "http://host/a?b=1".
    std::string path() const;
    // The Host header without its port, lower-case; empty when absent.
    std::string host() const;
};

// Parses a request head (request line and header lines, without the blank line) into a record
// whose raw field holds the head; body and raw are completed by the reader.
RecordedRequest ParseRequestHead(std::string_view head);

// The Content-Length a request head announces; 0 when absent or unreadable.
std::size_t AnnouncedContentLength(const RecordedRequest& request);

}  // namespace dq::testing
