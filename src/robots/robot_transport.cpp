#include "robots/robot_transport.h"

#include <algorithm>
#include <mutex>

#include "web/curl_transfer.h"

namespace dq::robots {
namespace {

std::mutex extraCaMutex;
std::string extraCaFile;

std::string ExtraCaFile() {
    const std::lock_guard lock(extraCaMutex);
    return extraCaFile;
}

// The status code of a header block's status line ("HTTP/1.1 200 OK"); 0 without one.
long StatusOf(const std::string& rawHeaders) {
    const std::size_t space = rawHeaders.find(' ');
    if (space == std::string::npos) return 0;
    return std::strtol(rawHeaders.c_str() + space + 1, nullptr, 10);
}

}  // namespace

PostAttempt PostJson(const std::string& address, const std::string& body,
                     const std::function<void()>& whileWaiting) {
    web::TransferRequest request;
    request.address = address;
    request.verb = "POST";
    request.headers = "Content-Type: application/json";
    request.body = body;
    request.followRedirects = false;  // a signed post is not resent elsewhere
    request.verifyPeer = true;
    request.extraCaFile = ExtraCaFile();
    request.limits.connectTimeout = std::min(request.limits.connectTimeout, kPostConnectTimeout);
    request.limits.stallTimeout = std::min(request.limits.stallTimeout, kPostStallTimeout);
    request.whileWaiting = whileWaiting;
    const web::TransferResult result = web::PerformTransfer(request);

    PostAttempt attempt;
    attempt.status = StatusOf(result.rawHeaders);
    attempt.reached = result.code == CURLE_OK && result.headersComplete && attempt.status != 0;
    attempt.body = result.body;
    if (!attempt.reached) attempt.failure = curl_easy_strerror(result.code);
    return attempt;
}

namespace testing {

void SetExtraTrustedCaFile(const std::string& path) {
    const std::lock_guard lock(extraCaMutex);
    extraCaFile = path;
}

}  // namespace testing
}  // namespace dq::robots
