#include <gtest/gtest.h>

#include <set>

#include "content/quotes.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::RecordingMessages;

std::set<Text> QuotesOf(int library) {
    const std::vector<Text> quotes = text::Split(QuoteLibrary(library), "\r\n");
    return {quotes.begin(), quotes.end()};
}

// Every quote drawn over many draws with the given radio buttons checked.
std::set<Text> Draw(std::initializer_list<std::string_view> checked, int draws) {
    FakeForm form;
    for (std::string_view radio : checked) form.checks[std::string(radio)] = true;
    RecordingMessages messages;
    std::set<Text> drawn;
    for (int i = 0; i < draws; ++i) {
        DrawQuote(form, messages);
        drawn.insert(form.text(controls::kQuoteBox));
    }
    EXPECT_TRUE(messages.shown.empty());
    return drawn;
}

TEST(DrawQuote, ReachesEveryQuoteOfTheChosenLibraryAndNothingElse) {
    struct Case {
        std::initializer_list<std::string_view> checked;
        int library;
        std::size_t quotes;
    };
    const Case cases[] = {
        {{controls::kMotivationalQuotes}, 1, 31},
        {{controls::kDaodejingQuotes}, 2, 8},
        {{controls::kSayingsQuotes}, 1, 31},
        {{controls::kDaodejingQuotes, controls::kMotivationalQuotes}, 1, 31},
        {{controls::kSayingsQuotes, controls::kDaodejingQuotes}, 2, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.checked.begin());
        ASSERT_EQ(QuotesOf(c.library).size(), c.quotes);
        // With 31 quotes, 3000 fair draws miss one with a probability below 1e-40.
        EXPECT_EQ(Draw(c.checked, 3000), QuotesOf(c.library));
    }
}

TEST(DrawQuote, WithoutALibraryShowsTheMessageAndKeepsTheBox) {
    FakeForm form;
    form.texts["编辑框_寄语"] = Utf8ToAnsi("自己的尾巴");
    RecordingMessages messages;
    DrawQuote(form, messages);
    EXPECT_EQ(form.text(controls::kQuoteBox), Utf8ToAnsi("自己的尾巴"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              Utf8ToAnsi("大哥！还没选择让我生成哪一款的寄语呢？励志还是?"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
}

}  // namespace
}  // namespace dq
