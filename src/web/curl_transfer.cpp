#include "web/curl_transfer.h"

#include <algorithm>

#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <vector>

#include "web/curl_handle.h"
#include "web/loopback_routes.h"
#include "web/text_utils.h"

namespace dq::web {
namespace {

constexpr long kMaxRedirects = 10;
constexpr std::string_view kCrLf = "\r\n";

// What the callbacks fill while libcurl runs.
struct Exchange {
    const TransferRequest& request;
    TransferResult result;
    CURL* handle = nullptr;
    bool reserved = false;  // the body's room was set from the announced length
};

// Makes room for the whole body at its first bytes when the response announces its length,
// so a large page arrives without the buffer growing (and copying itself) along the way. The
// room never exceeds the body limit, whatever the server claims.
void ReserveAnnouncedLength(Exchange& exchange) {
    exchange.reserved = true;
    curl_off_t announced = -1;
    if (curl_easy_getinfo(exchange.handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced) != CURLE_OK ||
        announced <= 0)
        return;
    const auto room = std::min(static_cast<std::uint64_t>(announced),
                               static_cast<std::uint64_t>(exchange.request.limits.maxBodyBytes));
    exchange.result.body.reserve(static_cast<std::size_t>(room));
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& exchange = *static_cast<Exchange*>(user);
    Bytes& body = exchange.result.body;
    if (!exchange.reserved) ReserveAnnouncedLength(exchange);
    const std::size_t length = size * count;
    const std::size_t room = exchange.request.limits.maxBodyBytes - body.size();
    if (length > room) {
        body.append(data, room);
        return 0;  // the body is full: end the transfer
    }
    body.append(data, length);
    return length;
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& exchange = *static_cast<Exchange*>(user);
    TransferResult& result = exchange.result;
    const std::string_view line(data, size * count);
    // Every response (interim, redirect, final) starts with its status line; only the last
    // block is kept.
    if (line.starts_with("HTTP/")) {
        result.rawHeaders.clear();
        result.headersComplete = false;
    } else if (line == "\r\n" || line == "\n") {
        result.headersComplete = true;
    }
    // A server may end its lines with a bare LF; the block is kept with CR LF line ends, as
    // the cookie and header readers expect.
    std::string_view content = line;
    if (content.ends_with('\n')) content.remove_suffix(1);
    if (content.ends_with('\r')) content.remove_suffix(1);
    if (result.rawHeaders.size() < exchange.request.maxHeaderBytes) {
        result.rawHeaders.append(content);
        if (content.size() < line.size()) result.rawHeaders.append(kCrLf);
    }
    return line.size();
}

int OnRequestStart(void* user, char*, char*, int, int) {
    static_cast<Exchange*>(user)->result.requestStarted = true;
    return CURL_PREREQFUNC_OK;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    static_cast<Exchange*>(user)->request.whileWaiting();
    return 0;
}

// Adds the certificates of the extra CA file to those libcurl has already loaded from the
// system store.
CURLcode AddExtraCa(CURL*, void* sslContext, void* user) {
    const auto& file = *static_cast<const std::string*>(user);
    X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
    return X509_STORE_load_file(store, file.c_str()) == 1 ? CURLE_OK : CURLE_SSL_CACERT_BADFILE;
}

// The header block as libcurl header entries, plus the entries that keep libcurl from adding
// lines of its own that the block does not have.
std::vector<std::string> HeaderEntries(const TransferRequest& request) {
    std::vector<std::string> entries;
    for (const Text& line : text::Split(request.headers, kCrLf)) {
        if (line.empty()) continue;
        const std::size_t colon = line.find(':');
        // libcurl drops "Name:" with nothing after it; "Name;" is its way to send it empty.
        if (colon != Text::npos && text::Trim(line.substr(colon + 1)).empty())
            entries.push_back(line.substr(0, colon) + ";");
        else
            entries.push_back(line);
    }
    const auto lacks = [&](std::string_view name) { return !HasHeaderLine(request.headers, name); };
    if (lacks("Accept:")) entries.emplace_back("Accept:");
    if (lacks("Expect:")) entries.emplace_back("Expect:");
    if (request.body && lacks("Content-Type:")) entries.emplace_back("Content-Type:");
    return entries;
}

void SetMethod(CURL* handle, const TransferRequest& request) {
    if (request.verb == "HEAD") {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
    } else if (request.body) {
        // A body makes libcurl POST; any other verb is then named over it.
        curl_easy_setopt(handle, CURLOPT_POST, 1L);
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.body->size()));
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, request.body->data());
        if (request.verb != "POST")
            curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
    } else if (request.verb == "GET") {
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    } else {
        curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
    }
}

void SetCertificateCheck(CURL* handle, const TransferRequest& request) {
    const long verify = request.verifyPeer ? 1L : 0L;
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, verify);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, verify * 2);
    curl_easy_setopt(handle, CURLOPT_PROXY_SSL_VERIFYPEER, verify);
    curl_easy_setopt(handle, CURLOPT_PROXY_SSL_VERIFYHOST, verify * 2);
    if (request.verifyPeer && !request.extraCaFile.empty()) {
        curl_easy_setopt(handle, CURLOPT_SSL_CTX_FUNCTION, AddExtraCa);
        curl_easy_setopt(handle, CURLOPT_SSL_CTX_DATA, &request.extraCaFile);
    }
}

void SetLogin(CURL* handle, const TransferRequest& request) {
    if (request.serverLogin) {
        curl_easy_setopt(handle, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(handle, CURLOPT_USERNAME, request.serverLogin->user.c_str());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, request.serverLogin->password.c_str());
    }
    if (request.proxyLogin) {
        curl_easy_setopt(handle, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(handle, CURLOPT_PROXYUSERNAME, request.proxyLogin->user.c_str());
        curl_easy_setopt(handle, CURLOPT_PROXYPASSWORD, request.proxyLogin->password.c_str());
    }
}

void SetConnection(CURL* handle, const TransferRequest& request) {
    curl_easy_setopt(handle, CURLOPT_URL, request.address.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    // An empty proxy is a direct connection, whatever the environment says.
    curl_easy_setopt(handle, CURLOPT_PROXY, request.proxy.c_str());
    curl_easy_setopt(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(request.limits.connectTimeout.count()));
    // A transfer that moves no byte for stallTimeout is given up; one that keeps moving is not.
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(request.limits.stallTimeout.count()));
    // A server that trickles a few bytes a second never stalls; the overall bound ends it. A
    // caller's own bound on the whole exchange applies when it is shorter.
    auto overall = std::chrono::duration_cast<std::chrono::milliseconds>(
        request.limits.transferTimeout);
    if (request.limits.totalTimeout.count() > 0) {
        overall = std::min(overall, request.limits.totalTimeout);
    }
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(overall.count()));
    if (!request.userAgent.empty())
        curl_easy_setopt(handle, CURLOPT_USERAGENT, request.userAgent.c_str());
}

void SetCallbacks(CURL* handle, Exchange& exchange) {
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &exchange);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &exchange);
    curl_easy_setopt(handle, CURLOPT_PREREQFUNCTION, OnRequestStart);
    curl_easy_setopt(handle, CURLOPT_PREREQDATA, &exchange);
    if (exchange.request.whileWaiting) {
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &exchange);
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    }
}

}  // namespace

bool HasHeaderLine(const Text& headers, std::string_view name) {
    for (const Text& line : text::Split(headers, kCrLf)) {
        if (text::Equal(text::Left(line, static_cast<std::int64_t>(name.size())), name, true))
            return true;
    }
    return false;
}

TransferResult PerformTransfer(const TransferRequest& request) {
    Exchange exchange{request, {}};
    CurlEasy handle = NewCurlEasy();
    if (!handle) {
        exchange.result.code = CURLE_FAILED_INIT;
        return std::move(exchange.result);
    }
    if (!ProxyAllowed(request.proxy)) {
        exchange.result.code = CURLE_COULDNT_RESOLVE_PROXY;
        return std::move(exchange.result);
    }
    CURL* easy = handle.get();
    exchange.handle = easy;
    const CurlList headers = ToCurlList(HeaderEntries(request));
    // Through a proxy the proxy makes the onward connection; routes would turn the request
    // into a tunnel to the route's target instead.
    const CurlList connectTo =
        ToCurlList(request.proxy.empty() ? LoopbackConnectTo() : std::vector<std::string>{});
    SetConnection(easy, request);
    SetCertificateCheck(easy, request);
    SetLogin(easy, request);
    SetMethod(easy, request);
    SetCallbacks(easy, exchange);
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(easy, CURLOPT_CONNECT_TO, connectTo.get());
    // A failed transfer keeps whatever arrived before it failed.
    exchange.result.code = curl_easy_perform(easy);
    return std::move(exchange.result);
}

}  // namespace dq::web
