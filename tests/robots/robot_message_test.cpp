#include "robots/robot_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"

namespace dq::robots {
namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::size_t limit;
    std::vector<std::string> pieces;
};

class SplitAtLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitAtLinesTest, CutsAsExpected) {
    const SplitCase& c = GetParam();
    const std::vector<std::string> pieces = SplitAtLines(c.text, c.limit);
    EXPECT_EQ(pieces, c.pieces);
    for (const std::string& piece : pieces) EXPECT_LE(piece.size(), c.limit);
}

// "中" is three bytes of UTF-8.
INSTANTIATE_TEST_SUITE_P(
    Robots, SplitAtLinesTest,
    ::testing::Values(
        SplitCase{"Empty", "", 10, {}},
        SplitCase{"FitsWhole", "ab\ncd\n", 6, {"ab\ncd\n"}},
        SplitCase{"LastLineEndWithinLimit", "aaa\nbbb\nccc", 8, {"aaa\nbbb", "ccc"}},
        SplitCase{"LineExactlyAtLimit", "aaaa\nbb", 4, {"aaaa", "bb"}},
        SplitCase{"LongLineCutAtCharacter", "中中中\nx", 7, {"中中", "中\nx"}},
        SplitCase{"LongLineOfAscii", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
        SplitCase{"EmptyLinesAtCutDropped", "aaa\n\n\nbbb", 4, {"aaa", "bbb"}},
        SplitCase{"LeadingLineEnd", "\nabcdef", 4, {"abcd", "ef"}},
        SplitCase{"OrderKept", "1\n2\n3\n4\n5", 3, {"1\n2", "3\n4", "5"}}),
    testing::CaseName<SplitCase>);

TEST(RobotMessage, WeComBriefingSplitIntoOrderedPiecesUnderTheLimit) {
    // 300 numbered lines of Chinese text: far more than 2,048 bytes.
    std::string briefing;
    for (int i = 1; i <= 300; ++i) briefing += std::to_string(i) + "、今日要闻标题\r\n";
    const std::vector<std::string> pieces = MessageTexts(RobotKind::WeCom, briefing);
    ASSERT_GT(pieces.size(), 1u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LE(piece.size(), kWeComTextLimit);
        EXPECT_EQ(piece.find('\r'), std::string::npos);
        joined += (joined.empty() ? "" : "\n") + piece;
    }
    // Nothing lost, nothing reordered: the pieces joined at their cuts are the briefing.
    EXPECT_TRUE(joined == ChatLines(briefing)) << "pieces joined differ from the briefing";
}

TEST(RobotMessage, OtherKindsTakeTheBriefingWhole) {
    const std::string briefing(5000, 'x');
    EXPECT_EQ(MessageTexts(RobotKind::DingTalk, briefing), std::vector<std::string>{briefing});
    EXPECT_EQ(MessageTexts(RobotKind::Feishu, briefing), std::vector<std::string>{briefing});
}

TEST(RobotMessage, ChatLinesTurnsEveryLineEndIntoLf) {
    EXPECT_EQ(ChatLines("a\r\nb\rc\nd\r"), "a\nb\nc\nd\n");
}

TEST(RobotMessage, TextFormsOfEachService) {
    EXPECT_EQ(BodyText(TextMessage(RobotKind::WeCom, "早安\n")),
              R"({"msgtype":"text","text":{"content":"早安\n"}})");
    EXPECT_EQ(BodyText(TextMessage(RobotKind::DingTalk, "早安")),
              R"({"msgtype":"text","text":{"content":"早安"}})");
    EXPECT_EQ(BodyText(TextMessage(RobotKind::Feishu, "早安\"")),
              R"({"msg_type":"text","content":{"text":"早安\""}})");
}

TEST(RobotMessage, WeComImageCarriesBase64AndMd5OfTheRawBytes) {
    EXPECT_EQ(BodyText(WeComImageMessage("abc")),
              R"({"msgtype":"image","image":{"base64":"YWJj","md5":"900150983cd24fb0d6963f7d28e17f72"}})");
}

}  // namespace
}  // namespace dq::robots
