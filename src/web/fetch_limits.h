// Time and size bounds of every transfer of the libcurl layer (web/curl_transfer.h), so that a
// dead or endless server cannot hang the window: connecting is given up after a while, a
// transfer that stalls without data is given up, a transfer that trickles on is cut after an
// overall bound, and a body is cut at a maximum size. A
// TransferRequest starts from the limits in force and a caller may tighten its own copy.
// Tests shorten them.
#pragma once

#include <chrono>
#include <cstddef>

namespace dq::web {

struct FetchLimits {
    std::chrono::milliseconds connectTimeout{60'000};
    std::chrono::seconds stallTimeout{30};      // no data at all for this long ends the transfer
    std::size_t maxBodyBytes = 64u << 20;       // the body is cut here
    // The whole transfer, however steadily data arrives, ends after this; what arrived stays.
    std::chrono::seconds transferTimeout{120};
    std::chrono::seconds requestTimeout{30};    // WebRequest's time-out when its caller gives none
    std::chrono::milliseconds totalTimeout{0};  // the whole exchange is given up; 0: no bound
};

// The limits in force now.
FetchLimits CurrentFetchLimits();

namespace testing {

// Replaces the limits for the rest of the process, or until the next call.
void SetFetchLimits(const FetchLimits& limits);

// Sets limits for one scope and restores the previous ones when it ends.
class ScopedFetchLimits {
public:
    explicit ScopedFetchLimits(const FetchLimits& limits) : previous_(CurrentFetchLimits()) {
        SetFetchLimits(limits);
    }
    ~ScopedFetchLimits() { SetFetchLimits(previous_); }
    ScopedFetchLimits(const ScopedFetchLimits&) = delete;
    ScopedFetchLimits& operator=(const ScopedFetchLimits&) = delete;

private:
    FetchLimits previous_;
};

}  // namespace testing
}  // namespace dq::web
