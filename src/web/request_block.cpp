#include "web/request_block.h"

#include <array>
#include <string_view>

#include "web/http_verbs.h"
#include "web/text_utils.h"

namespace dq::web {
namespace {

constexpr std::string_view kCrLf = "\r\n";

struct DefaultLine {
    std::string_view searchText;
    std::string_view line;
    bool postOnly = false;
};

constexpr std::array<DefaultLine, 6> kDefaultLines = {{
    {"User-Agent: ",
     "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"},
    {"Accept: ", "Accept: text/html, application/xhtml+xml, */*\r\n"},
    {"Accept-Encoding: ", "Accept-Encoding: gbk, GB2312\r\n"},
    {"Accept-Language: ", "Accept-Language: zh-cn\r\n"},
    {"Content-Type:", "Content-Type: application/x-www-form-urlencoded\r\n", true},
    {"Cache-Control: ", "Cache-Control: no-cache\r\n"},
}};

bool Contains(std::string_view block, std::string_view needle, bool ignoreCase) {
    return text::Find(block, needle, 1, ignoreCase) != 0;
}

void AddDefaultLines(Text& block, int method) {
    for (const DefaultLine& entry : kDefaultLines) {
        if (entry.postOnly && method != kPostMethod) continue;
        if (!Contains(block, entry.searchText, true)) block += entry.line;
    }
}

// A block that asks for keep-alive loses those lines: every exchange is one request on its
// own connection. Only lines with their line break go, so a last line (whose CR LF the
// normalization took away) stays.
void DropKeepAlive(Text& block) {
    if (Contains(block, "Connection", false) && HeaderValue(block, "Connection") == "keep-alive")
        block = text::ReplaceAll(block, "Connection: keep-alive\r\n", "");
}

void AddCookieLine(Text& block, const Text& cookies) {
    if (cookies.empty() || Contains(block, "Cookie:", true)) return;
    if (Contains(cookies, "Cookie:", true))
        block += Text(kCrLf) + cookies + Text(kCrLf);
    else
        block += "\r\nCookie: " + cookies + Text(kCrLf);
}

}  // namespace

Text BuildRequestBlock(const RequestOptions& options, int method) {
    Text block = options.headers;
    if (!block.empty()) block += kCrLf;
    if (options.completeHeaders) AddDefaultLines(block, method);
    if (options.normalizeHeaders) block = NormalizeHeaderNames(block);
    DropKeepAlive(block);
    AddCookieLine(block, options.cookies);
    return block;
}

bool IsSendableBlock(const Text& block) {
    for (const Text& line : text::Split(block, kCrLf)) {
        if (line.empty()) continue;
        const std::size_t colon = line.find(':');
        if (colon == 0 || colon == Text::npos) return false;
        if (line.find_first_of("\r\n") != Text::npos) return false;
    }
    return true;
}

}  // namespace dq::web
