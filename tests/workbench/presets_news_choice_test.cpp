#include <string>

#include <gtest/gtest.h>

#include "presets_temp_dir.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "workbench/preset_keys.h"
#include "workbench/preset_store.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::RecordingMessages;
using testing::TempDir;

constexpr const char* kTabs = "高级选择夹_新闻";

struct Numbered {
    int page;
    int number;
    const char* radio;
};

// The numbered news radio buttons, as the preset file stores them.
const Numbered kNumbered[] = {
    {0, 1, "单选框_综合"},  {0, 2, "单选框_国内"},  {0, 3, "单选框_国际"},
    {0, 4, "单选框_军事"},  {0, 5, "单选框_财经"},  {0, 6, "单选框_体育"},
    {0, 7, "单选框_科技"},  {0, 8, "单选框_游戏"},  {0, 9, "单选框_女人"},
    {0, 10, "单选框_房产"}, {0, 11, "单选框_娱乐"}, {0, 12, "单选框_医药"},
    {0, 13, "单选框_汽车"}, {0, 14, "单选框_安全"}, {0, 15, "单选框_能源"},
    {0, 16, "单选框_食品"}, {0, 17, "单选框_教育"}, {0, 18, "单选框_旅游"},
    {2, 1, "单选框_德阳"},  {2, 2, "单选框_成都"},  {2, 3, "单选框_兴华"},
};

// The controls that a restore checked.
std::vector<std::string> CheckedControls(const FakeForm& form) {
    std::vector<std::string> names;
    for (const auto& [name, on] : form.checks) {
        if (on) names.push_back(name);
    }
    return names;
}

class NewsChoice : public ::testing::Test {
protected:
    TempDir dir;
    PresetStore store{dir.path()};
};

TEST_F(NewsChoice, EveryNumberedRadioSavesItsNumberAndRestoresToItself) {
    for (const Numbered& n : kNumbered) {
        SCOPED_TRACE(n.radio);
        FakeForm saved;
        saved.indexes[kTabs] = n.page;
        saved.checks[n.radio] = true;
        RecordingMessages messages;
        store.saveAll(saved, messages);
        EXPECT_EQ(store.readInt(preset::NewsPage()), n.page);
        EXPECT_EQ(store.readInt(preset::NewsChoice()), n.number);

        FakeForm restored;
        store.restoreNewsChoice(restored);
        EXPECT_EQ(restored.currentIndex(kTabs), n.page);
        EXPECT_EQ(CheckedControls(restored), std::vector<std::string>{n.radio});
    }
}

TEST_F(NewsChoice, TheLowestNumberCheckedIsSaved) {
    FakeForm form;
    form.indexes[kTabs] = 0;
    form.checks["单选框_旅游"] = true;  // first on the page, number 18
    form.checks["单选框_房产"] = true;  // number 10
    EXPECT_EQ(store.saveNewsChoice(form), "");
    EXPECT_EQ(store.read(preset::NewsChoice()), "10");
}

TEST_F(NewsChoice, PagesWithoutANumberedChoiceKeepTheOldNumber) {
    struct Case {
        int page;
        const char* checkedRadio;  // nullptr: nothing checked
    };
    const Case cases[] = {{0, nullptr},        {1, "单选框_知乎"}, {2, "单选框_石家庄"},
                          {2, nullptr},        {3, "单选框_utf8"}, {1, "单选框_综合"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.page) + (c.checkedRadio ? c.checkedRadio : " none"));
        ASSERT_EQ(store.write(preset::NewsChoice(), "5"), "");
        FakeForm form;
        form.indexes[kTabs] = c.page;
        if (c.checkedRadio) form.checks[c.checkedRadio] = true;
        RecordingMessages messages;
        store.saveAll(form, messages);
        EXPECT_EQ(store.readInt(preset::NewsPage()), c.page);
        EXPECT_EQ(store.read(preset::NewsChoice()), "5");
    }
}

TEST_F(NewsChoice, RestoreAppliesAnOldNumberToTheSavedPage) {
    FakeForm channel;
    channel.indexes[kTabs] = 0;
    channel.checks["单选框_国内"] = true;  // number 2 of page 0
    RecordingMessages messages;
    store.saveAll(channel, messages);

    FakeForm local;
    local.indexes[kTabs] = 2;  // nothing numbered checked: the 2 stays
    store.saveAll(local, messages);

    FakeForm restored;
    store.restoreNewsChoice(restored);
    EXPECT_EQ(restored.currentIndex(kTabs), 2);
    EXPECT_EQ(CheckedControls(restored), std::vector<std::string>{"单选框_成都"});
}

TEST_F(NewsChoice, RestoreChecksNothingOutsideTheTables) {
    struct Case {
        const char* page;
        const char* number;
    };
    const Case cases[] = {{"0", "0"},  {"0", "19"}, {"0", "-1"}, {"2", "4"},  {"1", "1"},
                          {"3", "1"},  {"4", "1"},  {"x", "y"},  {"0", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page) + "/" + c.number);
        ASSERT_EQ(store.write(preset::NewsPage(), c.page), "");
        ASSERT_EQ(store.write(preset::NewsChoice(), c.number), "");
        FakeForm restored;
        store.restoreNewsChoice(restored);
        EXPECT_TRUE(CheckedControls(restored).empty());
    }
}

TEST_F(NewsChoice, RestoreOnlyChecksAndLeavesOtherButtonsAlone) {
    ASSERT_EQ(store.write(preset::NewsPage(), "0"), "");
    ASSERT_EQ(store.write(preset::NewsChoice(), "7"), "");
    FakeForm form;
    form.checks["单选框_国际"] = true;
    store.restoreNewsChoice(form);
    EXPECT_EQ(CheckedControls(form), (std::vector<std::string>{"单选框_国际", "单选框_科技"}));
}

}  // namespace
}  // namespace dq
