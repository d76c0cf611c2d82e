// The URL, header, cookie and text operations of the request engines and scrapers.
#include "web/text_utils.h"

#include <gtest/gtest.h>

namespace dq {
namespace {

constexpr std::string_view kQuoteAndBeng = "\xA1\xB1\xB1\xA1";  // “绷, bytes B1 B1 straddle
constexpr std::string_view kBei = "\xB1\xB1";                   // 北

struct BetweenCase {
    std::string_view text;
    std::string_view left;
    std::string_view right;
    std::int64_t start;
    bool ignoreCase;
    std::string_view expected;
};

TEST(TextBetween, CutsBetweenTheFirstLeftMarkerAndTheNextRightMarker) {
    const Text quoteLeft = "<a href=" + QuotePlaceholder();  // <a href=#引号
    const BetweenCase cases[] = {
        {"<b>12</b>", "<b>", "</b>", 1, false, "12"},
        {"<b>12", "<b>", "</b>", 1, false, ""},
        {"12</b>", "<b>", "</b>", 1, false, ""},
        {"a<b></b>", "<b>", "</b>", 1, false, ""},
        {"<b>1</b><b>2</b>", "<b>", "</b>", 1, false, "1"},
        {"<b>1</b><b>2</b>", "<b>", "</b>", 5, false, "2"},
        {"<b>1</b><b>2</b>", "<b>", "</b>", -3, false, "1"},
        {"<B>1</b>", "<b>", "</B>", 1, true, "1"},
        {"<B>1</b>", "<b>", "</b>", 1, false, ""},
        // The right marker is searched after the left marker, never inside it.
        {"abab", "ab", "ab", 1, false, ""},
        {"<x>a<x>", "<x>", "<x>", 1, false, "a"},
        {"x", "", "x", 1, false, ""},
        // Markers never match across a character boundary.
        {"<i>\xA1\xB1\xB1\xA1\xB1\xB1", "<i>", kBei, 1, false, kQuoteAndBeng},
        {"\xA1\xB1\xB1\xA1" "1</i>", kBei, "</i>", 1, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " start=" + std::to_string(c.start));
        EXPECT_EQ(TextBetween(c.text, c.left, c.right, c.start, c.ignoreCase), c.expected);
    }
}

TEST(TextBetween, SubstitutesTheQuotePlaceholderInBothMarkers) {
    const Text quote(QuotePlaceholder());
    EXPECT_EQ(TextBetween("<a href=\"/n/1\">t</a>", "<a href=" + quote, quote), "/n/1");
    EXPECT_EQ(TextBetween("x=\"1\" y=\"2\"", "y=" + quote, quote + "\xD2\xFD"), "");
    // The placeholder itself in the text is no double quote.
    EXPECT_EQ(TextBetween("<a href=" + quote + "/n/1\">", "<a href=" + quote, quote), "");
}

struct CutCase {
    std::string_view text;
    std::string_view delimiter;
    std::string_view before;
    std::string_view afterLast;
};

TEST(TextBeforeAndAfterLast, CutAtTheFirstAndTheLastDelimiter) {
    const CutCase cases[] = {
        {"a=b=c", "=", "a", "c"},
        {"=b", "=", "", "b"},
        {"a/b/", "/", "a", ""},
        {"abc", "=", "", ""},
        {"abc", "", "", ""},
        {"k: v: w", ": ", "k", "w"},
        // 北 inside “绷 is no delimiter.
        {"x\xA1\xB1\xB1\xA1" "y", kBei, "", ""},
        {"x\xB1\xB1" "y\xB1\xB1" "z", kBei, "x", "z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text) + " / " + testing::PrintToString(c.delimiter));
        EXPECT_EQ(TextBefore(c.text, c.delimiter), c.before);
        EXPECT_EQ(TextAfterLast(c.text, c.delimiter), c.afterLast);
    }
}

TEST(TextAfterColon, TrimsWhatFollowsTheFirstColon) {
    EXPECT_EQ(TextAfterColon("Host:  srv \xA1\xA1"), "srv");
    EXPECT_EQ(TextAfterColon("a:b:c"), "b:c");
    EXPECT_EQ(TextAfterColon("a:"), "");
    EXPECT_EQ(TextAfterColon("none"), "");
}

TEST(CapitalizeFirst, UpperCasesOnlyALeadingAsciiLetter) {
    EXPECT_EQ(CapitalizeFirst("abc"), "Abc");
    EXPECT_EQ(CapitalizeFirst("aBC"), "ABC");
    EXPECT_EQ(CapitalizeFirst("1a"), "1a");
    EXPECT_EQ(CapitalizeFirst("\xB0\xA1" "a"), "\xB0\xA1" "a");
    EXPECT_EQ(CapitalizeFirst(""), "");
}

struct HeaderCase {
    std::string_view block;
    std::string_view expected;
};

TEST(NormalizeHeaderNames, CapitalizesNamesAndDropsLinesWithoutAColon) {
    const HeaderCase cases[] = {
        {"accept: */*\r\n\r\nx-requested-with: y", "Accept: */*\r\nX-Requested-With: y"},
        {"content-TYPE: text/html", "Content-TYPE: text/html"},
        {"x-a: b-c d:e", "X-A: b-c d:e"},
        {"a--b: 1", "A--B: 1"},
        {"x-: 1", "X-: 1"},
        {"user-agent: m\r\n", "User-Agent: m"},
        {"GET / HTTP/1.1\r\nhost: srv", "Host: srv"},
        {"no colon here\r\n\r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.block));
        EXPECT_EQ(NormalizeHeaderNames(c.block), c.expected);
    }
}

struct HeaderValueCase {
    std::string_view block;
    std::string_view name;
    std::string_view expected;
};

TEST(HeaderValue, ReadsTheFirstLineThatBeginsWithTheName) {
    const HeaderValueCase cases[] = {
        {"Connection: keep-alive\r\nHost: srv", "Connection", "keep-alive"},
        {"Connection: keep-alive\r\nHost: srv", "Host", "srv"},
        {"Connection:close\r\nHost: srv", "Connection", ""},
        {"Connection:close\r\nConnection: keep-alive", "Connection", ""},
        {"Host: a\r\nHost: b", "Host", "a"},
        {"connection: close", "Connection", ""},
        {"Content-Length: 5", "Content", ""},
        {"Host: srv", "Location", ""},
        {"", "Host", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.block) + " / " + std::string(c.name));
        EXPECT_EQ(HeaderValue(c.block, c.name), c.expected);
    }
}

TEST(CollectSetCookies, TakesTheFirstPairOfEachExactSetCookieLine) {
    const HeaderCase cases[] = {
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\nset-cookie: c=3",
         "a=1; b=2"},
        {"Set-Cookie:  sid=abc  \r\n", "sid=abc"},
        {"Set-Cookie: x=1; Expires=Wed, 21 Oct 2026 07:28:00 GMT; HttpOnly\r\n"
         "Content-Type: text/html\r\nSet-Cookie: y=2; Domain=srv",
         "x=1; y=2"},
        {"Set-Cookie:x=1", ""},
        {"Set-Cookies: x=1", ""},
        // A line that sets no pair leaves no stray separator behind.
        {"Set-Cookie: ; path=/\r\nSet-Cookie: b=2", "b=2"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 0", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.block));
        EXPECT_EQ(CollectSetCookies(c.block), c.expected);
    }
}

struct UrlCase {
    std::string_view url;
    std::string_view host;
    std::string_view hostWithPort;
    int port;
    std::string_view path;
};

TEST(UrlParts, SplitHostPortAndPath) {
    const UrlCase cases[] = {
        {"HTTPS://SrvA:8443/a?b=1", "srva", "srva:8443", 8443, "/a?b=1"},
        {"https://srv/", "srv", "srv", 443, "/"},
        {"srv/z", "srv", "srv", 80, "/z"},
        {"srv/a", "srv", "srv", 80, "/a"},
        {"http://srv/a/b?c=1#d", "srv", "srv", 80, "/a/b?c=1#d"},
        {"http://srv", "srv", "srv", 80, "/"},
        {"http://Srv:8080", "srv", "srv:8080", 8080, "/"},
        {"HTTP://WWW.Srv.com/Path/A", "www.srv.com", "www.srv.com", 80, "/Path/A"},
        {"srv:81/x", "srv", "srv:81", 81, "/x"},
        {"https://127.0.0.1:5000/api?u=http://x", "127.0.0.1", "127.0.0.1:5000", 5000,
         "/api?u=http://x"},
        // A host that also occurs inside the scheme is looked for after it.
        {"http://h/x", "h", "h", 80, "/x"},
        {"https://s/p", "s", "s", 443, "/p"},
        {"http://tp:99/q", "tp", "tp:99", 99, "/q"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.url));
        EXPECT_EQ(UrlHost(c.url), c.host);
        EXPECT_EQ(UrlHost(c.url, true), c.hostWithPort);
        EXPECT_EQ(UrlPort(c.url), c.port);
        EXPECT_EQ(UrlPath(c.url), c.path);
    }
}

TEST(CookieName, IsTheTrimmedTextBeforeTheFirstEquals) {
    EXPECT_EQ(CookieName(" a =1"), "a");
    EXPECT_EQ(CookieName("a=b=c"), "a");
    EXPECT_EQ(CookieName("flag"), "flag");
    EXPECT_EQ(CookieName("=v"), "");
}

struct MergeCase {
    std::string_view oldCookies;
    std::string_view newCookies;
    std::string_view expected;
};

TEST(MergeCookies, NewPairsReplaceOldOnesAndDeletedOnesGo) {
    const MergeCase cases[] = {
        {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1"},
        {"a=1; b=2;", "b=deleted", "a=1"},
        {"", "", ""},
        {"", "a=1", "a=1"},
        {"a=1", "", "a=1"},
        {"  a=1; ", " c=3; ", "c=3; a=1"},
        {"a=1; a=2", "", "a=1"},
        {"x=deleted", "", ""},
        {"a=1", "x=deleted; a=2", "a=2"},
        {"a=1; b=2; a=1", "c=3", "c=3; a=1; b=2"},
        {"sid=\xCC\xEC", "sid=\xC6\xF8", "sid=\xC6\xF8"},  // sid=天 replaced by sid=气
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.oldCookies) + " + " +
                     testing::PrintToString(c.newCookies));
        Text cookies(c.oldCookies);
        EXPECT_EQ(MergeCookies(cookies, c.newCookies), c.expected);
        EXPECT_EQ(cookies, c.expected);
    }
}

struct DuplicateCase {
    std::string_view text;
    std::string_view separator;
    std::string_view expected;
};

TEST(RemoveDuplicateItems, KeepsTheFirstOfEachExactItem) {
    const DuplicateCase cases[] = {
        {"a=1; b=2; a=1", "; ", "a=1; b=2"},
        {"a=1; a=2", "; ", "a=1; a=2"},
        {"a=1; A=1", "; ", "a=1; A=1"},
        {"x,y,x,z,y", ",", "x,y,z"},
        {"", "; ", ""},
        // 啊、啊 (、 is A1 A2) leaves one 啊.
        {"\xB0\xA1\xA1\xA2\xB0\xA1", "\xA1\xA2", "\xB0\xA1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(RemoveDuplicateItems(c.text, c.separator), c.expected);
    }
}

}  // namespace
}  // namespace dq
