// The URL, header, cookie and text operations shared by the request engines and the scrapers.
// All are pure functions of their arguments and follow the Text conventions of web/text.h.
#pragma once

#include "web/gbk_literal.h"
#include "web/text.h"

namespace dq {

// The five-byte placeholder that stored patterns and markers write for a double quote.
inline const Text& QuotePlaceholder() {
    using namespace dq::literals;
    return "#引号"_gbk;
}

// The Text between the first left marker at or after start and the next right marker after
// it; empty when either is missing. "#引号" in either marker stands for a double quote.
Text TextBetween(std::string_view text, std::string_view left, std::string_view right,
                 std::int64_t start = 1, bool ignoreCase = false);

// The Text before the first delimiter; empty when absent.
Text TextBefore(std::string_view text, std::string_view delimiter);

// The Text after the last delimiter; empty when absent.
Text TextAfterLast(std::string_view text, std::string_view delimiter);

// The trimmed Text after the first ":"; empty when there is none.
Text TextAfterColon(std::string_view text);

// The text with its first byte upper-cased when it is an ASCII lower-case letter.
Text CapitalizeFirst(std::string_view text);

// The header block (CR LF separated) with every name capitalized after each "-" and lines
// without a colon dropped; no final CR LF.
Text NormalizeHeaderNames(std::string_view headers);

// The value of the first line that begins with name (case-sensitive prefix), taken after the
// last name + ": "; empty when there is no such line.
Text HeaderValue(std::string_view headers, std::string_view name);

// Cookie text ("a=1; b=2") of the pairs that the Set-Cookie lines of a raw response header
// block set, in line order, attributes dropped.
Text CollectSetCookies(std::string_view rawHeaders);

// The host name, lower-case, with ":port" when keepPort.
Text UrlHost(std::string_view url, bool keepPort = false);

// The port: the explicit one, else 443 for https and 80 otherwise.
int UrlPort(std::string_view url);

// The path with query and fragment, starting with "/".
Text UrlPath(std::string_view url);

// The name of one cookie pair: the bytes before the first "=", trimmed.
Text CookieName(std::string_view pair);

// New cookies replace old ones of the same name, old ones follow; "=deleted" pairs are
// dropped. The merged text is returned and also stored into oldCookies.
Text MergeCookies(Text& oldCookies, std::string_view newCookies);

// The items of text split at separator, exact repeats removed, joined again.
Text RemoveDuplicateItems(std::string_view text, std::string_view separator);

}  // namespace dq
