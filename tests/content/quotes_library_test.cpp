#include <gtest/gtest.h>

#include "content/quotes.h"
#include "web/encoding.h"

namespace dq {
namespace {

struct Library {
    int number;
    std::size_t quotes;
    const char* first;
    const char* last;
};

const Library kLibraries[] = {
    {1, 31,
     "如果年轻的岁月害怕吃苦不用心做事，后半生就很难沉淀出有质地的人生。到那时，你困于匮乏举步维艰，"
     "也别无选择只能苦上加苦。",
     "路途遥远才能知道马儿力气的大小，一起经历的事情多了，也就明白了一个人的心地。"},
    {2, 8, "生而不有，为而不恃，功成而弗居。", "甘美食，美其服，安其居，乐其俗。"},
};

TEST(QuoteLibrary, HoldsItsQuotesJoinedByCrLf) {
    for (const Library& library : kLibraries) {
        SCOPED_TRACE(library.number);
        const Text& text = QuoteLibrary(library.number);
        const std::vector<Text> quotes = text::Split(text, "\r\n");
        ASSERT_EQ(quotes.size(), library.quotes);
        EXPECT_EQ(quotes.front(), Utf8ToAnsi(library.first));
        EXPECT_EQ(quotes.back(), Utf8ToAnsi(library.last));
        EXPECT_EQ(text::Count(text, "\n"), library.quotes - 1);  // no LF but those of CR LF
        for (const Text& quote : quotes) {
            EXPECT_FALSE(quote.empty());
            EXPECT_LE(quote.size(), 118u) << AnsiToUtf8(quote);
            EXPECT_EQ(quote.find('\r'), std::string::npos) << AnsiToUtf8(quote);
            // Valid GBK survives the round trip; a byte GBK lacks would come back as '?'.
            EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(quote)), quote) << AnsiToUtf8(quote);
        }
    }
}

TEST(QuoteLibrary, OtherNumbersHaveNoQuotes) {
    EXPECT_EQ(QuoteLibrary(0), "");
    EXPECT_EQ(QuoteLibrary(3), "");
}

}  // namespace
}  // namespace dq
