#include "support/canned_response.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

namespace dq::testing {
namespace {

bool HasHeader(const std::vector<std::string>& lines, std::string_view name) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        if (line.size() <= name.size() || line[name.size()] != ':') return false;
        return std::equal(name.begin(), name.end(), line.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    });
}

std::string RedirectReason(int status) {
    switch (status) {
        case 301: return "Moved Permanently";
        case 303: return "See Other";
        case 307: return "Temporary Redirect";
        case 308: return "Permanent Redirect";
        default: return "Found";
    }
}

}  // namespace

CannedResponse CannedResponse::Ok(std::string body, std::string contentType) {
    CannedResponse response;
    if (!contentType.empty()) response.headers.push_back("Content-Type: " + contentType);
    response.body = std::move(body);
    return response;
}

CannedResponse CannedResponse::Redirect(int status, std::string location) {
    CannedResponse response;
    response.status = status;
    response.reason = RedirectReason(status);
    response.headers.push_back("Location: " + location);
    response.body = "moved";
    return response;
}

CannedResponse CannedResponse::Verbatim(std::string bytes) {
    CannedResponse response;
    response.delivery = Delivery::Raw;
    response.raw = std::move(bytes);
    return response;
}

CannedResponse CannedResponse::Trickle(std::string body, std::chrono::milliseconds interval) {
    CannedResponse response = Ok(std::move(body), "text/plain");
    response.delivery = Delivery::Trickle;
    response.trickleInterval = interval;
    return response;
}

CannedResponse CannedResponse::Silence() {
    CannedResponse response;
    response.delivery = Delivery::NeverAnswer;
    return response;
}

std::string SerializeResponse(const CannedResponse& response, bool headOnly) {
    std::string bytes = "HTTP/1.1 " + std::to_string(response.status) + " " + response.reason + "\r\n";
    for (const std::string& line : response.headers) bytes += line + "\r\n";
    if (!HasHeader(response.headers, "Content-Length"))
        bytes += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    if (!HasHeader(response.headers, "Connection")) bytes += "Connection: close\r\n";
    bytes += "\r\n";
    if (!headOnly) bytes += response.body;
    return bytes;
}

}  // namespace dq::testing
