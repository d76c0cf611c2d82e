// One JSON post to a robot over the shared libcurl transfer layer. Unlike page fetches, robot
// posts verify the server's certificate chain and host name against the system's CA store:
// the address and the body carry the robot's key and signature. Each post sends
// "Content-Type: application/json" and the body as UTF-8 bytes, and is bounded in time (the
// connect time-out and the no-data limit of the transfer layer, at most kPostConnectTimeout
// and kPostStallTimeout).
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace dq::robots {

inline constexpr std::chrono::milliseconds kPostConnectTimeout{10'000};
inline constexpr std::chrono::seconds kPostStallTimeout{20};

struct PostAttempt {
    bool reached = false;  // an answer came back (whatever it says)
    long status = 0;       // its HTTP status
    std::string body;      // its body
    std::string failure;   // why no answer came (libcurl's text), when not reached
};

// Posts body (JSON, UTF-8) to address; whileWaiting (may be empty) runs while it waits.
PostAttempt PostJson(const std::string& address, const std::string& body,
                     const std::function<void()>& whileWaiting);

namespace testing {

// PEM certificates trusted besides the system's store for the rest of the process (empty:
// none). Tests trust their loopback server's certificate this way; the program never calls it.
void SetExtraTrustedCaFile(const std::string& path);

}  // namespace testing
}  // namespace dq::robots
