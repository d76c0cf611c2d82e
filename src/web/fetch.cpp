#include "web/fetch.h"

#include <string_view>
#include <vector>

#include "web/curl_handle.h"
#include "web/fetch_limits.h"
#include "web/fetch_request.h"
#include "web/loopback_routes.h"
#include "web/text_utils.h"

namespace dq {
namespace {

using web::CurlEasy;
using web::CurlList;
using web::FetchRequest;

constexpr std::size_t kRawHeaderBuffer = 5000;
constexpr long kMaxRedirects = 10;

struct Transfer {
    Bytes body;
    std::size_t maxBody = 0;
    Text rawHeaders;  // the header block of the latest response; empty without one
};

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t length = size * count;
    const std::size_t room = transfer.maxBody - transfer.body.size();
    if (length > room) {
        transfer.body.append(data, room);
        return 0;  // the body is full: end the transfer
    }
    transfer.body.append(data, length);
    return length;
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::string_view line(data, size * count);
    // Every response (interim, redirect, final) starts with its status line; only the last
    // block is kept.
    if (line.starts_with("HTTP/")) transfer.rawHeaders.clear();
    // A block too long for the header buffer is replaced anyway; stop growing it.
    if (transfer.rawHeaders.size() < kRawHeaderBuffer) transfer.rawHeaders.append(line);
    return line.size();
}

// The header block as libcurl header entries, plus the entries that keep libcurl from adding
// lines of its own that the block does not have.
std::vector<std::string> HeaderEntries(const FetchRequest& request) {
    std::vector<std::string> entries;
    for (const Text& line : text::Split(request.headers, "\r\n")) {
        if (line.empty()) continue;
        const std::size_t colon = line.find(':');
        // libcurl drops "Name:" with nothing after it; "Name;" is its way to send it empty.
        if (colon != Text::npos && text::Trim(line.substr(colon + 1)).empty())
            entries.push_back(line.substr(0, colon) + ";");
        else
            entries.push_back(line);
    }
    const auto lacks = [&](std::string_view name) {
        return !web::HasHeaderLine(request.headers, name);
    };
    if (lacks("Accept:")) entries.emplace_back("Accept:");
    if (lacks("Expect:")) entries.emplace_back("Expect:");
    if (request.body && lacks("Content-Type:")) entries.emplace_back("Content-Type:");
    return entries;
}

void SetMethod(CURL* handle, const FetchRequest& request) {
    switch (request.method) {
        case 0:
            curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
            break;
        case 1:
            curl_easy_setopt(handle, CURLOPT_POST, 1L);
            break;
        case 2:
            curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
            break;
        default:
            curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
            break;
    }
    if (request.body) {
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.body->size()));
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.body->data());
    }
}

void SetConnection(CURL* handle, const FetchRequest& request, const FetchOptions& options,
                   const web::FetchLimits& limits) {
    curl_easy_setopt(handle, CURLOPT_URL, request.address.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    // An empty proxy is a direct connection, whatever the environment says.
    curl_easy_setopt(handle, CURLOPT_PROXY, options.proxy.c_str());
    curl_easy_setopt(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, options.noRedirect ? 0L : 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    // Any server certificate is accepted.
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(handle, CURLOPT_PROXY_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(handle, CURLOPT_PROXY_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(limits.connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stallTimeout.count()));
    if (!request.agentInBlock) curl_easy_setopt(handle, CURLOPT_USERAGENT, request.agent.c_str());
}

// Fills the out-values that come from the response: the raw header block and the cookies.
void ReportResponse(const Transfer& transfer, const FetchOptions& options, FetchReport& report) {
    report.rawHeaders = transfer.rawHeaders.size() >= kRawHeaderBuffer
                            ? Text(kRawHeaderBuffer, ' ')
                            : transfer.rawHeaders;
    report.cookiesOut = CollectSetCookies(report.rawHeaders);
    if (options.cookies) {
        report.cookies = *options.cookies;
        if (options.mergeCookies) report.cookiesOut = MergeCookies(report.cookies, report.cookiesOut);
    }
}

}  // namespace

Bytes WebFetchBytes(const Text& url, const FetchOptions& options) {
    const FetchRequest request = web::BuildFetchRequest(url, options);
    FetchReport report;
    report.headersSent = request.headers;
    if (options.cookies) report.cookies = *options.cookies;

    Transfer transfer;
    const web::FetchLimits limits = web::CurrentFetchLimits();
    transfer.maxBody = limits.maxBodyBytes;
    CurlEasy handle = web::NewCurlEasy();
    if (handle && web::ProxyAllowed(options.proxy)) {
        CURL* easy = handle.get();
        const CurlList headers = web::ToCurlList(HeaderEntries(request));
        // Through a proxy the proxy makes the onward connection; routes would turn the request
        // into a tunnel to the route's target instead.
        const CurlList connectTo =
            web::ToCurlList(options.proxy.empty() ? web::LoopbackConnectTo() : std::vector<std::string>{});
        SetConnection(easy, request, options, limits);
        SetMethod(easy, request);
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(easy, CURLOPT_CONNECT_TO, connectTo.get());
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
        curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader);
        curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
        // A failed transfer keeps whatever body arrived before it failed.
        curl_easy_perform(easy);
        ReportResponse(transfer, options, report);
    }
    if (options.report != nullptr) *options.report = std::move(report);
    return std::move(transfer.body);
}

Text WebFetch(const Text& url) {
    return TextFromBytes(WebFetchBytes(url));
}

}  // namespace dq
