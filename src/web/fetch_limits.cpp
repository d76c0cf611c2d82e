#include "web/fetch_limits.h"

#include <mutex>

namespace dq::web {
namespace {

std::mutex limitsMutex;
FetchLimits limits;

}  // namespace

FetchLimits CurrentFetchLimits() {
    std::lock_guard lock(limitsMutex);
    return limits;
}

namespace testing {

void SetFetchLimits(const FetchLimits& newLimits) {
    std::lock_guard lock(limitsMutex);
    limits = newLimits;
}

}  // namespace testing
}  // namespace dq::web
