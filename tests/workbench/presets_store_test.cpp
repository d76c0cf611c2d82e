#include "workbench/preset_store.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "presets_temp_dir.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/own_preset_keys.h"
#include "workbench/preset_keys.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempDir;
using testing::WriteBytes;

Text Gbk(const char* utf8) { return Utf8ToAnsi(utf8); }

// The form that the golden file below was written from by hand.
FakeForm GoldenForm() {
    FakeForm form;
    form.texts["城镇"] = Gbk("北京");
    form.texts["自定义头部"] = Gbk("早安晨报");
    form.texts["编辑框_寄语"] = Gbk("千里之行，始于足下。");
    form.texts["编辑框_寄语头部"] = Gbk("今日寄语");
    form.indexes["皮肤_组合框"] = 2;
    form.indexes["组合框_新闻条数"] = 3;
    form.indexes["高级选择夹_新闻"] = 0;
    form.checks["选择框_开启网址"] = true;
    form.checks["单选框_天气开"] = true;
    form.checks["单选框_科技"] = true;
    return form;
}

TEST(PresetStore, FileLivesInTheGivenDirectory) {
    const PresetStore store("/some/dir");
    EXPECT_EQ(store.path(), "/some/dir/配置文件.ini");
}

TEST(PresetStore, FreshSaveWritesTheKeysInOrderAsGbkWithCrLf) {
    TempDir dir;
    const PresetStore store(dir.path());
    RecordingMessages messages;
    store.saveAll(GoldenForm(), messages);
    EXPECT_EQ(messages.successWindows, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ReadBytes(store.path()),
              ReadBytes(std::string(DQ_PRESETS_FIXTURES) + "/presets_fresh_save.ini"));
}

TEST(PresetStore, SavedPresetsReadBack) {
    TempDir dir;
    const PresetStore store(dir.path());
    FakeForm form;  // empty texts, nothing selected or checked
    form.texts["城镇"] = Gbk("石家庄 Shijiazhuang");
    form.indexes["高级选择夹_新闻"] = 3;
    form.checks["选择框_开启短链"] = true;
    RecordingMessages messages;
    store.saveAll(form, messages);

    struct Case {
        Text key;
        Text value;
    };
    const Case cases[] = {
        {preset::City(), Gbk("石家庄 Shijiazhuang")},
        {preset::Header(), ""},
        {preset::Quote(), ""},
        {preset::QuoteHeader(), ""},
        {preset::Skin(), "-1"},
        {preset::NewsCount(), "4"},
        {preset::NewsPage(), "3"},
        {preset::LinksOn(), Gbk("假")},
        {preset::ShortLinksOn(), Gbk("真")},
        {preset::WeatherOn(), Gbk("假")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(AnsiToUtf8(c.key));
        EXPECT_EQ(store.read(c.key), c.value);
    }
    // Empty controls still write their keys.
    EXPECT_NE(ReadBytes(store.path()).find(Text(preset::Header()) + "=\r\n"), std::string::npos);
    EXPECT_EQ(store.readInt(preset::NewsCount()), 4);
    EXPECT_TRUE(store.readFlag(preset::ShortLinksOn()));
    EXPECT_FALSE(store.readFlag(preset::LinksOn()));
    EXPECT_EQ(store.read(preset::NewsChoice()), "");  // page 3 has no numbered choice
}

TEST(PresetStore, SaveKeepsOtherSectionsAndReplacesValuesWhereTheyStand) {
    TempDir dir;
    const PresetStore store(dir.path());
    const Text section = "[" + Text(preset::Section()) + "]\r\n";
    WriteBytes(store.path(), "[other]\r\nx=1\r\n" + section + Text(preset::WeatherOn()) + "=" +
                                 Gbk("真") + "\r\nhand=kept\r\n\r\n[tail]\r\ny=2\r\n");
    FakeForm form = GoldenForm();
    form.checks["单选框_天气开"] = false;
    RecordingMessages messages;
    store.saveAll(form, messages);

    const std::string content = ReadBytes(store.path());
    EXPECT_EQ(content.substr(0, 14 + section.size()), "[other]\r\nx=1\r\n" + section);
    EXPECT_EQ(content.find(Text(preset::WeatherOn()) + "=" + Gbk("假") + "\r\nhand=kept\r\n" +
                           Text(preset::City()) + "="),
              14 + section.size());
    // Our own section comes new, at the end.
    const Text own = "[Dawnquill]\r\n" + own_preset::CustomSourceUtf8() + "=" + Gbk("假") + "\r\n";
    EXPECT_EQ(content.substr(content.size() - 17 - own.size()), "\r\n\r\n[tail]\r\ny=2\r\n" + own);
    EXPECT_EQ(store.read("hand"), "kept");
}

TEST(PresetStore, KeysAreFoundWhateverTheirCaseAndSpaces) {
    TempDir dir;
    const PresetStore store(dir.path());
    WriteBytes(store.path(), "[ " + Text(preset::Section()) + " ]\r\n  Mode  =  Fast  \r\n " +
                                 Text(preset::City()) + " = " + Gbk("北京") + "\r\n");
    EXPECT_EQ(store.read("MODE"), "Fast");
    EXPECT_EQ(store.read(preset::City()), Gbk("北京"));
    EXPECT_EQ(store.write("mode", "Slow"), "");
    EXPECT_EQ(ReadBytes(store.path()), "[ " + Text(preset::Section()) + " ]\r\nMode=Slow\r\n " +
                                           Text(preset::City()) + " = " + Gbk("北京") + "\r\n");
}

TEST(PresetStore, MissingFileSectionOrKeyReadsEmpty) {
    TempDir dir;
    const PresetStore store(dir.path());
    EXPECT_EQ(store.read(preset::City()), "");
    EXPECT_EQ(store.readInt(preset::NewsCount()), 0);
    EXPECT_FALSE(store.readFlag(preset::WeatherOn()));
    WriteBytes(store.path(), "[other]\r\n" + Text(preset::City()) + "=x\r\n");
    EXPECT_EQ(store.read(preset::City()), "");
}

TEST(PresetStore, ReadReturnsAtMost10239BytesAndWholeCharacters) {
    struct Case {
        const char* name;
        Text value;
        Text expected;
    };
    const Text chinese = Gbk("中");
    Text longChinese;
    for (int i = 0; i < 6000; ++i) longChinese += chinese;
    const Case cases[] = {
        {"ascii over the limit", Text(20000, 'a'), Text(10239, 'a')},
        {"ascii at the limit", Text(10239, 'a'), Text(10239, 'a')},
        {"two-byte characters over the limit", longChinese, longChinese.substr(0, 10238)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const PresetStore store(dir.path());
        ASSERT_EQ(store.write(preset::Quote(), c.value), "");
        EXPECT_EQ(store.read(preset::Quote()), c.expected);
    }
}

TEST(PresetStore, JunkValuesReadAsLeadingIntegerOrFalse) {
    TempDir dir;
    const PresetStore store(dir.path());
    struct IntCase {
        Text value;
        std::int32_t expected;
    };
    const IntCase ints[] = {{"8", 8}, {"12abc", 12}, {"-3", -3}, {"+7x", 7},
                            {"abc", 0}, {"", 0},      {Gbk("八"), 0}};
    for (const IntCase& c : ints) {
        SCOPED_TRACE(c.value);
        ASSERT_EQ(store.write(preset::NewsCount(), c.value), "");
        EXPECT_EQ(store.readInt(preset::NewsCount()), c.expected);
    }
    struct FlagCase {
        Text value;
        bool expected;
    };
    const FlagCase flags[] = {{Gbk("真"), true},  {Gbk("假"), false},   {"", false},
                              {"1", false},        {"true", false},      {Gbk("真真"), false},
                              {Gbk("真的"), false}};
    for (const FlagCase& c : flags) {
        SCOPED_TRACE(c.value);
        ASSERT_EQ(store.write(preset::WeatherOn(), c.value), "");
        EXPECT_EQ(store.readFlag(preset::WeatherOn()), c.expected);
    }
}

TEST(PresetStore, LineBreaksInAValueCannotAddKeys) {
    TempDir dir;
    const PresetStore store(dir.path());
    const Text injected = "x\r\n" + Text(preset::NewsChoice()) + "=9\ry\nz";
    ASSERT_EQ(store.write(preset::Quote(), injected), "");
    EXPECT_EQ(store.read(preset::Quote()), "x " + Text(preset::NewsChoice()) + "=9 y z");
    EXPECT_EQ(store.read(preset::NewsChoice()), "");
}

// A failed save is reported as an error naming the file and the reason, never as success.
// Both failures below also stop root, whom permission bits do not.
TEST(PresetStore, TextValuesComeBackByteForByteFullWidthSpacesIncluded) {
    TempDir dir;
    const PresetStore store(dir.path());
    FakeForm form;
    form.texts["自定义头部"] = Gbk("　早安　");
    form.texts["城镇"] = Gbk("　石家庄");
    RecordingMessages messages;
    store.saveAll(form, messages);
    EXPECT_EQ(store.read(preset::Header()), Gbk("　早安　"));
    EXPECT_EQ(store.read(preset::City()), Gbk("　石家庄"));
}

TEST(PresetStore, AReadOnlyPresetFileIsReportedAndKept) {
    TempDir dir;
    const PresetStore store(dir.path());
    const Text before = "[" + preset::Section() + "]\r\n" + preset::City() + "=" + Gbk("北京") + "\r\n";
    WriteBytes(store.path(), before);
    ASSERT_EQ(::chmod(store.path().c_str(), 0444), 0);

    RecordingMessages messages;
    store.saveAll(GoldenForm(), messages);
    EXPECT_EQ(messages.successWindows, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind(Gbk("保存预设失败"), 0), 0u);
    EXPECT_NE(store.write(preset::City(), "x"), "");
    EXPECT_EQ(ReadBytes(store.path()), before);
}

TEST(PresetStore, SaveThatCannotWriteShowsAnErrorInsteadOfSuccess) {
    struct Case {
        const char* name;
        bool pathIsDirectory;  // else the directory itself is missing
    };
    const Case cases[] = {{"preset path is a directory", true}, {"directory is missing", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string directory = c.pathIsDirectory ? dir.path() : dir.path() + "/missing";
        const PresetStore store(directory);
        if (c.pathIsDirectory) std::filesystem::create_directory(store.path());

        RecordingMessages messages;
        store.saveAll(GoldenForm(), messages);
        EXPECT_EQ(messages.successWindows, 0);
        ASSERT_EQ(messages.shown.size(), 1u);
        const Text& text = messages.shown[0].text;
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(text.rfind(Gbk("保存预设失败"), 0), 0u);
        EXPECT_NE(text.find(Utf8ToAnsi(store.path())), std::string::npos);
        const std::size_t open = text.find(Gbk("（"));
        ASSERT_NE(open, std::string::npos);
        EXPECT_GT(text.size(), open + 4);  // a reason between the brackets
        EXPECT_EQ(text.substr(text.size() - 2), Gbk("）"));

        EXPECT_NE(store.write(preset::City(), "x"), "");
        EXPECT_EQ(c.pathIsDirectory, std::filesystem::is_directory(store.path()));
        EXPECT_TRUE(std::filesystem::is_empty(c.pathIsDirectory ? store.path() : dir.path()));
    }
}

}  // namespace
}  // namespace dq
