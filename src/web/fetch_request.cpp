#include "web/fetch_request.h"

#include <string_view>

#include "web/curl_transfer.h"
#include "web/http_verbs.h"
#include "web/text_utils.h"

namespace dq::web {
namespace {

constexpr std::string_view kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
constexpr std::string_view kCrLf = "\r\n";

bool Contains(std::string_view block, std::string_view name, bool ignoreCase = true) {
    return text::Find(block, name, 1, ignoreCase) != 0;
}

// The agent's text stops at the end of its line: an agent cut from a whole block must not
// carry the following header lines along into the request.
Text FirstLine(const Text& agent) {
    return text::Trim(agent.substr(0, agent.find_first_of("\r\n")));
}

Text UserAgentFor(const Text& headers) {
    if (!Contains(headers, "User-Agent:")) return Text(kDefaultAgent);
    Text agent = text::Trim(TextBetween(headers + Text(kCrLf), "User-Agent:", kCrLf));
    if (agent.empty()) agent = TextAfterColon(headers);
    return FirstLine(agent);
}

void CompleteHeaders(Text& headers, int method, const Text& url) {
    if (headers.empty()) headers = "Accept: */*";
    if (!Contains(headers, "Accept:")) headers += "\r\nAccept: */*";
    if (!Contains(headers, "Referer:")) headers += "\r\nReferer: " + url;
    if (!Contains(headers, "Accept-Language:")) headers += "\r\nAccept-Language: zh-cn";
    if (method == kPostMethod && !Contains(headers, "Content-Type:"))
        headers += "\r\nContent-Type: application/x-www-form-urlencoded";
}

void AddCookieLine(Text& headers, const std::optional<Text>& cookies) {
    if (!cookies || cookies->empty()) return;
    if (Contains(*cookies, "Cookie:", false))
        headers += Text(kCrLf) + *cookies;
    else
        headers += "\r\nCookie: " + *cookies;
}

// The path as sent: a space (which libcurl refuses) and every byte above 0x7F percent-encoded
// with upper-case hex. A custom source's address with Chinese characters thus sends their
// GBK bytes, as the address was typed in the system code page; sites of that kind read GBK
// paths, and upper case is the form RFC 3986 recommends.
Text EscapedPath(const Text& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    Text out;
    out.reserve(path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ' || byte >= 0x80) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

Text AddressFor(const Text& url, bool https) {
    const int defaultPort = https ? 443 : 80;
    // "host:" with no digits reads as port 0; for the request it means the scheme's port.
    int port = UrlPort(url);
    if (port == 0) port = defaultPort;
    Text address = https ? "https://" : "http://";
    address += UrlHost(url);
    if (port != defaultPort) address += ":" + std::to_string(port);
    return address + EscapedPath(UrlPath(url));
}

}  // namespace

FetchRequest BuildFetchRequest(const Text& url, const FetchOptions& options) {
    FetchRequest request;
    request.headers = options.normalizeHeaders ? NormalizeHeaderNames(options.headers)
                                               : options.headers;
    request.method = ClampMethod(options.method);
    request.verb = Text(VerbName(request.method));
    request.https = text::Equal(text::Left(url, 8), "https://", true);
    request.address = AddressFor(url, request.https);
    request.agent = UserAgentFor(request.headers);
    if (options.completeHeaders) CompleteHeaders(request.headers, request.method, url);
    AddCookieLine(request.headers, options.cookies);
    request.agentInBlock = HasHeaderLine(request.headers, "User-Agent:");
    if (request.method != 0 && request.method != kHeadMethod)
        request.body = options.postBytes.empty() ? options.postText : options.postBytes;
    return request;
}

}  // namespace dq::web
