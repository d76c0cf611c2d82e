#include <gtest/gtest.h>

#include "content/quotes.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::RecordingMessages;

Text Gbk(const char* utf8) { return Utf8ToAnsi(utf8); }

const Text kSeparator = [] {
    Text line;
    for (int i = 0; i < 14; ++i) line += "\xA9\xA5";
    return line;
}();

TEST(QuoteHeaderText, ChoosesTheDefaultTheCustomTextOrKeepsThePreviousHeader) {
    struct Case {
        const char* name;
        bool defaultChecked;
        const char* box;
        const char* previous;
        const char* expected;
        bool message;
    };
    const Case cases[] = {
        {"default wins over a filled box", true, "自定义", "", "每日寄语", false},
        {"custom text", false, "今日寄语", "每日寄语", "今日寄语", false},
        {"empty custom keeps the previous header", false, "", "每日寄语", "每日寄语", true},
        {"empty custom with no header yet", false, "", "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeForm form;
        form.checks["单选框_寄语默认头部"] = c.defaultChecked;
        form.checks["单选框_寄语自定义头部"] = !c.defaultChecked;
        form.texts["编辑框_寄语头部"] = Gbk(c.box);
        WorkbenchState state;
        state.quoteHeader = Gbk(c.previous);
        RecordingMessages messages;
        EXPECT_EQ(QuoteHeaderText(form, state, messages), Gbk(c.expected));
        EXPECT_EQ(state.quoteHeader, Gbk(c.expected));
        if (c.message) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, Gbk("寄语头部内容呢？老铁"));
        } else {
            EXPECT_TRUE(messages.shown.empty());
        }
    }
}

TEST(QuotePreview, RunsTheNewsPreviewThenAppendsTheQuoteBlock) {
    FakeForm form;
    form.texts["编辑框_新闻"] = Gbk("旧新闻");
    form.texts["编辑框_寄语"] = Gbk("第一行\r\n第二行");
    form.checks["单选框_寄语默认头部"] = true;
    WorkbenchState state;
    RecordingMessages messages;
    QuotePreview(form, state, messages, [&] { form.texts["编辑框_新闻"] = Gbk("1、新闻\r\n"); });
    EXPECT_EQ(kSeparator, Gbk("━━━━━━━━━━━━━━"));
    EXPECT_EQ(form.text(controls::kNewsBox), Gbk("1、新闻\r\n") + kSeparator + "\r\n" +
                                                 Gbk("每日寄语") + "\r\n" +
                                                 Gbk("第一行\r\n第二行"));
}

TEST(QuotePreview, EachPressAppendsOneMoreBlockWhenTheNewsStaysUnchanged) {
    FakeForm form;
    form.texts["编辑框_新闻"] = "news";
    form.checks["单选框_寄语自定义头部"] = true;
    form.texts["编辑框_寄语头部"] = "H";
    WorkbenchState state;
    RecordingMessages messages;
    const auto noNews = [] {};
    QuotePreview(form, state, messages, noNews);
    QuotePreview(form, state, messages, noNews);
    // An empty quote box: each block ends with the header's line end.
    const Text block = kSeparator + "\r\nH\r\n";
    EXPECT_EQ(form.text(controls::kNewsBox), "news" + block + block);
}

TEST(QuotePreview, AnEmptyCustomHeaderStillBuildsTheBlockWithThePreviousHeader) {
    FakeForm form;
    form.texts["编辑框_寄语"] = "Q";
    form.checks["单选框_寄语默认头部"] = true;
    WorkbenchState state;
    RecordingMessages messages;
    QuotePreview(form, state, messages, [] {});
    form.checks["单选框_寄语默认头部"] = false;
    form.checks["单选框_寄语自定义头部"] = true;
    form.texts["编辑框_新闻"] = "";
    QuotePreview(form, state, messages, [] {});
    EXPECT_EQ(form.text(controls::kNewsBox), kSeparator + "\r\n" + Gbk("每日寄语") + "\r\nQ");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Gbk("寄语头部内容呢？老铁"));
}

}  // namespace
}  // namespace dq
