// What the loopback test server answers on one route.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace dq::testing {

struct CannedResponse {
    // How the answer goes out.
    enum class Delivery {
        Complete,      // status line, header lines, blank line, body
        NeverAnswer,   // read the request, then send nothing until the server stops
        StallMidBody,  // send the head and the first half of the body, then nothing more
        Raw,           // send the bytes of raw exactly as they stand, then close
        Trickle,       // send the head, then the body one byte per trickleInterval
    };

    int status = 200;
    std::string reason = "OK";
    // Header lines without CR LF, sent in this order. "Content-Length" (the body's size) and
    // "Connection: close" are added unless a line of that name is already here.
    std::vector<std::string> headers;
    std::string body;  // any bytes, NUL included; not sent for a HEAD request
    Delivery delivery = Delivery::Complete;
    std::string raw;   // the whole answer for Delivery::Raw
    std::chrono::milliseconds trickleInterval{0};  // the pause before each body byte (Trickle)

    // 200 OK with a body and, when given, a Content-Type line.
    static CannedResponse Ok(std::string body, std::string contentType = "text/html");
    // A redirect (301, 302, 303, 307 or 308) to location, with a short body.
    static CannedResponse Redirect(int status, std::string location);
    // Bytes sent as they are, for answers no well-formed builder would make.
    static CannedResponse Verbatim(std::string bytes);
    // An answer that never comes.
    static CannedResponse Silence();
    // 200 OK whose body arrives one byte per interval: slow, but never stalled for longer.
    static CannedResponse Trickle(std::string body, std::chrono::milliseconds interval);
};

// The bytes of a Complete or StallMidBody answer; headOnly leaves out the body (HEAD).
std::string SerializeResponse(const CannedResponse& response, bool headOnly);

}  // namespace dq::testing
