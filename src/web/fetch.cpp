#include "web/fetch.h"

#include "web/curl_transfer.h"
#include "web/fetch_request.h"
#include "web/text_utils.h"

namespace dq {
namespace {

using web::FetchRequest;

constexpr std::size_t kRawHeaderBuffer = 5000;

web::TransferRequest TransferFor(const FetchRequest& request, const FetchOptions& options) {
    web::TransferRequest transfer;
    transfer.address = request.address;
    transfer.verb = request.verb;
    transfer.headers = request.headers;
    transfer.body = request.body;
    if (!request.agentInBlock) transfer.userAgent = request.agent;
    transfer.proxy = options.proxy;
    transfer.followRedirects = !options.noRedirect;
    // A block too long for the header buffer is replaced anyway; it need not grow further.
    transfer.maxHeaderBytes = kRawHeaderBuffer;
    if (options.limits) transfer.limits = *options.limits;
    transfer.whileWaiting = options.whileWaiting;
    return transfer;
}

// Fills the out-values that come from the response: the raw header block and the cookies.
void ReportResponse(const Text& rawHeaders, const FetchOptions& options, FetchReport& report) {
    report.rawHeaders = rawHeaders.size() >= kRawHeaderBuffer ? Text(kRawHeaderBuffer, ' ')
                                                             : rawHeaders;
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

    web::TransferResult result = web::PerformTransfer(TransferFor(request, options));
    ReportResponse(result.rawHeaders, options, report);
    if (options.report != nullptr) *options.report = std::move(report);
    return std::move(result.body);
}

Text WebFetch(const Text& url) {
    return TextFromBytes(WebFetchBytes(url));
}

}  // namespace dq
