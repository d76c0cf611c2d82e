#include "web/web_request.h"

#include <chrono>
#include <optional>
#include <string_view>

#include "services/regex_service.h"
#include "web/curl_transfer.h"
#include "web/encoding.h"
#include "web/gbk_literal.h"
#include "web/http_verbs.h"
#include "web/request_block.h"
#include "web/request_url.h"
#include "web/text_utils.h"

namespace dq {
namespace {

using namespace dq::literals;

constexpr std::chrono::seconds kDefaultTimeout{30};
constexpr std::size_t kCharsetWindow = 1024;
constexpr std::string_view kCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";

// The failure messages, written to RequestReport::message exactly so. Over libcurl there are
// no separate connection and request objects to fail, and setting the time-out, credentials,
// the certificate switch, the cookie switch or redirects cannot fail, so 703, 704, 705, 707,
// 708, 709 and "忽略错误/证书错误  失败！" never occur. Nor does 713 stay visible: a read that
// breaks off keeps what arrived, and the status text of the header block, which is always at
// hand by then, replaces the message.
const Text& NoHttpService() { return "700 当前系统不支持WinHttp服务!"_gbk; }
const Text& BadUrl() { return "701 解析URL地址失败!"_gbk; }
const Text& NoSession() { return "702 创建WinHttp会话失败!"_gbk; }
const Text& BadHeaderBlock() { return "710 设置协议头失败!"_gbk; }
const Text& SendFailed() { return "711 发送请求失败!"_gbk; }
const Text& NoResponse() { return "712 服务器未响应!"_gbk; }

bool HttpAvailable() {
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    bool http = false;
    bool https = false;
    for (const char* const* protocol = info->protocols; *protocol != nullptr; ++protocol) {
        http = http || std::string_view(*protocol) == "http";
        https = https || std::string_view(*protocol) == "https";
    }
    return http && https;
}

std::optional<web::BasicLogin> LoginOf(const Text& user, const Text& password) {
    if (user.empty() || password.empty()) return std::nullopt;
    return web::BasicLogin{user, password};
}

// The caller's time-out bounds resolving and connecting together, and every wait for data
// after that: libcurl's connect time-out plus its no-progress limit (less than one byte a
// second for that long). A response that keeps arriving, however slowly, is never cut; the
// layer's own size bound still applies.
void ApplyTimeout(web::TransferRequest& transfer, int timeoutSeconds) {
    const std::chrono::seconds timeout =
        timeoutSeconds > 0 ? std::chrono::seconds(timeoutSeconds) : transfer.limits.requestTimeout;
    transfer.limits.connectTimeout = timeout;
    transfer.limits.stallTimeout = timeout;
}

web::TransferRequest TransferFor(const web::RequestUrl& url, const RequestOptions& options,
                                 int method, const Text& block) {
    web::TransferRequest transfer;
    transfer.address = url.address;
    transfer.verb = Text(web::VerbName(method));
    transfer.headers = block;
    const Bytes& body = options.postBytes.empty() ? options.postText : options.postBytes;
    // Every method carries the body, GET included; an empty one adds nothing to the request.
    if (!body.empty()) transfer.body = body;
    transfer.proxy = options.proxy;
    transfer.followRedirects = !options.noRedirect;
    transfer.serverLogin = LoginOf(options.serverUser, options.serverPassword);
    transfer.proxyLogin = LoginOf(options.proxyUser, options.proxyPassword);
    ApplyTimeout(transfer, options.timeoutSeconds);
    transfer.whileWaiting = options.pump;
    return transfer;
}

// Which message a transfer that ended without a whole header block leaves.
const Text& TransferFailure(const web::TransferResult& result) {
    if (result.code == CURLE_FAILED_INIT || result.code == CURLE_OUT_OF_MEMORY) return NoSession();
    if (!result.requestStarted || result.code == CURLE_SEND_ERROR) return SendFailed();
    return NoResponse();
}

// The status text: from byte 10 of the block up to the first CR LF after it.
Text StatusText(const Text& block) {
    const std::size_t end = text::Find(block, "\r\n", 10);
    return end == 0 ? text::Mid(block, 10, static_cast<std::int64_t>(block.size()))
                    : text::Mid(block, 10, static_cast<std::int64_t>(end) - 10);
}

// Reads the Set-Cookie and Location lines of the response header block.
void ReadHeaderLines(const Text& block, RequestReport& report, const RequestOptions& options) {
    // Pairs the caller's text already held stay first, with the separator between.
    if (!report.cookiesOut.empty() && !report.cookiesOut.ends_with("; ")) report.cookiesOut += "; ";
    for (const Text& line : text::Split(block, "\r\n")) {
        if (TextBefore(line, ": ") == "Set-Cookie") {
            const Text pair = line.find(';') != Text::npos
                                  ? TextBetween(line, "Set-Cookie:", ";")
                                  : text::ReplaceAll(line, "Set-Cookie:", "", true);
            report.cookiesOut += text::Trim(pair) + "; ";
        }
        if (text::Equal(text::Left(line, 10), "Location: ", true))
            report.location = text::Mid(line, 11, static_cast<std::int64_t>(line.size()));
        if (options.pump) options.pump();
    }
    if (report.cookiesOut.ends_with("; ")) report.cookiesOut.resize(report.cookiesOut.size() - 2);
}

// The result decoded by the character set its meta tag declares within the first 1,024
// bytes; unchanged when none is declared, when it is "gbk" or "gb2312", or when the set is
// unknown.
Text DecodeDeclaredCharset(Text result, const Bytes& body) {
    RegexService regex;
    if (!regex.Create(Text(kCharsetPattern), text::Left(result, kCharsetWindow))) return result;
    const Text charset = regex.GroupText(1, 1);
    if (charset.empty() || charset == "gbk" || charset == "gb2312") return result;
    if (std::optional<Text> decoded = CharsetToAnsi(body, charset)) return std::move(*decoded);
    return result;
}

Text Run(const Text& url, const RequestOptions& options, RequestReport& report) {
    report.cookies = options.cookies;
    if (!HttpAvailable()) {
        report.message = NoHttpService();
        return {};
    }
    const std::optional<web::RequestUrl> split = web::SplitRequestUrl(url);
    if (!split) {
        report.message = BadUrl();
        return {};
    }
    const int method = web::ClampMethod(options.method);
    const Text block = web::BuildRequestBlock(options, method);
    if (!web::IsSendableBlock(block)) {
        report.message = BadHeaderBlock();
        return {};
    }
    web::TransferResult result = web::PerformTransfer(TransferFor(*split, options, method, block));
    if (!result.headersComplete) {
        report.message = TransferFailure(result);
        report.timedOut = result.code == CURLE_OPERATION_TIMEDOUT;
        return {};
    }
    report.headersOut = result.rawHeaders;
    report.message = StatusText(report.headersOut);
    ReadHeaderLines(report.headersOut, report, options);
    if (options.mergeCookies && !options.cookies.empty()) {
        MergeCookies(report.cookies, report.cookiesOut);
        report.cookiesOut = report.cookies;
    }
    report.body = std::move(result.body);
    Text decoded = DecodeDeclaredCharset(TextFromBytes(report.body), report.body);
    if (options.pump) options.pump();
    return decoded;
}

}  // namespace

Text WebRequest(const Text& url, const RequestOptions& options) {
    RequestReport scratch;
    RequestReport& report = options.report != nullptr ? *options.report : scratch;
    return Run(url, options, report);
}

}  // namespace dq
