#include "web/text_utils.h"

#include <unordered_set>

namespace dq {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kCookieSeparator = "; ";
constexpr std::string_view kHttps = "https://";
constexpr std::string_view kHttp = "http://";

// Removes the separator that follows the last item of a joined list.
void DropFinal(Text& joined, std::string_view separator) {
    if (joined.ends_with(separator)) joined.resize(joined.size() - separator.size());
}

// Upper-cases the ASCII letter at 0-based index i, if there is one.
void CapitalizeAt(Text& text, std::size_t i) {
    if (i < text.size() && text[i] >= 'a' && text[i] <= 'z') {
        text[i] = static_cast<char>(text[i] - ('a' - 'A'));
    }
}

// The scheme marker a URL (already lower-cased and ending with "/") is read with, and
// whether it has to be put in front because the URL names no scheme.
struct Scheme {
    std::string_view marker;
    bool missing;
};

Scheme SchemeOf(std::string_view lowerUrl) {
    if (lowerUrl.starts_with(kHttps)) return {kHttps, false};
    return {kHttp, text::Find(lowerUrl, kHttp) == 0};
}

// The URL lower-cased and ending with "/", as the host is read from it.
Text HostReadingForm(std::string_view url) {
    Text lower = text::Lower(url);
    if (!lower.ends_with("/")) lower += '/';
    return lower;
}

// The cookie text trimmed, with a space after a final ";" so that splitting at "; " drops it.
Text PrepareCookies(std::string_view cookies) {
    Text prepared = text::Trim(cookies);
    if (prepared.ends_with(";")) prepared += ' ';
    return prepared;
}

}  // namespace

Text TextBetween(std::string_view text, std::string_view left, std::string_view right,
                 std::int64_t start, bool ignoreCase) {
    const Text leftMarker = text::ReplaceAll(left, QuotePlaceholder(), "\"");
    const Text rightMarker = text::ReplaceAll(right, QuotePlaceholder(), "\"");
    const std::size_t leftAt = text::Find(text, leftMarker, start, ignoreCase);
    if (leftAt == 0) return {};
    const std::size_t inner = leftAt + leftMarker.size();
    const std::size_t rightAt =
        text::Find(text, rightMarker, static_cast<std::int64_t>(inner), ignoreCase);
    if (rightAt == 0) return {};
    return Text(text.substr(inner - 1, rightAt - inner));
}

Text TextBefore(std::string_view text, std::string_view delimiter) {
    const std::size_t at = text::Find(text, delimiter);
    if (at == 0) return {};
    return text::Left(text, static_cast<std::int64_t>(at) - 1);
}

Text TextAfterLast(std::string_view text, std::string_view delimiter) {
    const std::size_t at = text::FindLast(text, delimiter);
    if (at == 0) return {};
    return Text(text.substr(at - 1 + delimiter.size()));
}

Text TextAfterColon(std::string_view text) {
    const std::size_t at = text::Find(text, ":");
    if (at == 0) return {};
    return text::Trim(text.substr(at));
}

Text CapitalizeFirst(std::string_view text) {
    Text out(text);
    CapitalizeAt(out, 0);
    return out;
}

Text NormalizeHeaderNames(std::string_view headers) {
    Text out;
    for (const Text& line : text::Split(headers, kLineBreak)) {
        const std::size_t colon = text::Find(line, ":");
        if (colon == 0) continue;
        // The first letter of the name and every letter after a hyphen in it; a hyphen at
        // the end of the name stays where it is.
        Text name = text::Left(line, static_cast<std::int64_t>(colon) - 1);
        CapitalizeAt(name, 0);
        for (std::size_t hyphen = text::Find(name, "-"); hyphen != 0;
             hyphen = text::Find(name, "-", static_cast<std::int64_t>(hyphen) + 1)) {
            CapitalizeAt(name, hyphen);
        }
        out += name;
        out.append(line, colon - 1);
        out += kLineBreak;
    }
    DropFinal(out, kLineBreak);
    return out;
}

Text HeaderValue(std::string_view headers, std::string_view name) {
    for (const Text& line : text::Split(headers, kLineBreak)) {
        if (line.starts_with(name)) return TextAfterLast(line, Text(name) + ": ");
    }
    return {};
}

Text CollectSetCookies(std::string_view rawHeaders) {
    constexpr std::string_view kMarker = "Set-Cookie:";
    Text cookies;
    for (const Text& line : text::Split(rawHeaders, kLineBreak)) {
        if (TextBefore(line, ": ") != "Set-Cookie") continue;
        const Text pair = text::Find(line, ";") != 0
                              ? text::Trim(TextBetween(line, kMarker, ";"))
                              : text::Trim(text::ReplaceAll(line, kMarker, "", true));
        // An empty pair sets nothing and would leave a bare "; " in the cookie text.
        if (pair.empty()) continue;
        cookies += pair;
        cookies += kCookieSeparator;
    }
    DropFinal(cookies, kCookieSeparator);
    return cookies;
}

Text UrlHost(std::string_view url, bool keepPort) {
    Text lower = HostReadingForm(url);
    const Scheme scheme = SchemeOf(lower);
    if (scheme.missing) lower.insert(0, scheme.marker);
    Text host = TextBetween(lower, scheme.marker, "/");
    if (!keepPort) {
        const std::size_t colon = text::Find(host, ":");
        if (colon != 0) host = text::Left(host, static_cast<std::int64_t>(colon) - 1);
    }
    return host;
}

int UrlPort(std::string_view url) {
    const Text host = UrlHost(url, true);
    if (text::Find(host, ":") != 0) return text::ToInt(TextAfterLast(host, ":"));
    return text::Lower(url).starts_with("https") ? 443 : 80;
}

Text UrlPath(std::string_view url) {
    const Text host = UrlHost(url);
    // The host is looked for after the scheme, so that a host such as "h" or "tp" is not
    // found inside "http://" itself.
    const Text lower = HostReadingForm(url);
    const Scheme scheme = SchemeOf(lower);
    const std::size_t schemeEnd =
        scheme.missing ? 1 : text::Find(lower, scheme.marker) + scheme.marker.size();
    std::size_t hostAt =
        text::Find(url, host, static_cast<std::int64_t>(schemeEnd), true);
    if (hostAt == 0) hostAt = schemeEnd;
    const std::size_t slash = text::Find(url, "/", static_cast<std::int64_t>(hostAt));
    if (slash == 0) return "/";
    return Text(url.substr(slash - 1));
}

Text CookieName(std::string_view pair) {
    const std::size_t equals = text::Find(pair, "=");
    if (equals == 0) return text::Trim(pair);
    return text::Trim(pair.substr(0, equals - 1));
}

Text MergeCookies(Text& oldCookies, std::string_view newCookies) {
    std::vector<Text> merged = text::Split(PrepareCookies(newCookies), kCookieSeparator);
    std::unordered_set<Text> names;
    for (const Text& pair : merged) names.insert(CookieName(pair));
    for (Text& pair : text::Split(PrepareCookies(oldCookies), kCookieSeparator)) {
        if (names.insert(CookieName(pair)).second) merged.push_back(std::move(pair));
    }
    Text result;
    for (const Text& pair : merged) {
        if (text::Right(pair, 8) == "=deleted") continue;
        result += pair;
        result += kCookieSeparator;
    }
    DropFinal(result, kCookieSeparator);
    oldCookies = RemoveDuplicateItems(result, kCookieSeparator);
    return oldCookies;
}

Text RemoveDuplicateItems(std::string_view text, std::string_view separator) {
    std::unordered_set<Text> seen;
    Text out;
    for (Text& item : text::Split(text, separator)) {
        if (!seen.insert(item).second) continue;
        out += item;
        out += separator;
    }
    // Only the separator appended after the last kept item goes.
    if (!out.empty()) out.resize(out.size() - separator.size());
    return out;
}

}  // namespace dq
