#include <gtest/gtest.h>

#include <QString>

#include "web/encoding.h"
#include "workbench/qt_text.h"

namespace dq {
namespace {

struct Conversion {
    const char* gbk;      // GBK bytes
    const char16_t* utf16;
};

// Both directions agree on every text that GBK can hold.
TEST(QtText, ConvertsGbkTextBothWays) {
    const Conversion cases[] = {
        {"", u""},
        {"Dawnquill v1", u"Dawnquill v1"},
        {"\xB3\xC7\xD5\xF2", u"城镇"},
        {"\xA9\xA5\xA9\xA5\r\n", u"━━\r\n"},
        {"Pemmik\xCC\xE1\xCA\xBE\xA3\xBA", u"Pemmik提示："},
        {"\x80", u"€"},
    };
    for (const Conversion& c : cases) {
        const QString expected = QString::fromUtf16(c.utf16);
        EXPECT_EQ(ToQString(c.gbk), expected) << c.gbk;
        EXPECT_EQ(TextFromQString(expected), c.gbk) << c.gbk;
    }
}

TEST(QtText, CharactersGbkLacksBecomeQuestionMarks) {
    EXPECT_EQ(TextFromQString(QString::fromUtf16(u"a\u0E01b")), "a?b");
}

TEST(QtText, TextEndsAtItsFirstNul) {
    EXPECT_EQ(ToQString(std::string_view("ab\0cd", 5)), QStringLiteral("ab"));
    EXPECT_EQ(TextFromQString(QString::fromUtf16(u"ab\0cd", 5)), "ab");
}

TEST(QtText, MalformedGbkBecomesQuestionMark) {
    // A lead byte at the very end has no trail byte.
    EXPECT_EQ(ToQString("a\xB3"), QStringLiteral("a?"));
}

}  // namespace
}  // namespace dq
