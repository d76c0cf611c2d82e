#include <gtest/gtest.h>

#include <filesystem>

#include "presets_temp_dir.h"
#include "support/fake_form.h"
#include "support/recording_messages.h"
#include "web/encoding.h"
#include "workbench/own_preset_keys.h"
#include "workbench/own_presets.h"
#include "workbench/preset_store.h"

namespace dq {
namespace {

using testing::FakeForm;
using testing::RecordingMessages;
using testing::TempDir;

constexpr const char* kList = "超级列表框_接口列表";

class OwnSection : public ::testing::Test {
protected:
    Text own(const Text& key) const { return store.read(own_preset::Section(), key); }

    TempDir dir;
    PresetStore store{dir.path()};
    RecordingMessages messages;
};

TEST_F(OwnSection, SaveKeepsTheHotListChoiceAndTheEncodingAndRestoreBringsThemBack) {
    FakeForm saved;
    saved.indexes["高级选择夹_新闻"] = 1;
    saved.checks["单选框_微博"] = true;
    saved.checks["单选框_gb2312"] = true;
    store.saveAll(saved, messages);
    EXPECT_EQ(own(own_preset::HotListChoice()), Utf8ToAnsi("单选框_微博"));
    EXPECT_EQ(own(own_preset::CustomSourceUtf8()), Utf8ToAnsi("假"));

    FakeForm restored;
    restored.checks["单选框_utf8"] = true;  // as designed
    RestoreOwnChoices(restored, store);
    EXPECT_TRUE(restored.checked("单选框_微博"));
    EXPECT_TRUE(restored.checked("单选框_gb2312"));
    EXPECT_FALSE(restored.checked("单选框_utf8"));

    // A later save without a hot-list choice keeps the earlier one.
    FakeForm other;
    other.checks["单选框_utf8"] = true;
    store.saveAll(other, messages);
    EXPECT_EQ(own(own_preset::HotListChoice()), Utf8ToAnsi("单选框_微博"));
    EXPECT_EQ(own(own_preset::CustomSourceUtf8()), Utf8ToAnsi("真"));
}

TEST_F(OwnSection, MissingOrUnknownValuesLeaveTheDesignState) {
    store.write(own_preset::Section(), own_preset::HotListChoice(), Utf8ToAnsi("单选框_综合"));
    FakeForm form;
    form.checks["单选框_utf8"] = true;
    const FakeForm before = form;
    RestoreOwnChoices(form, store);  // a page-0 radio is no hot-list choice; no encoding saved
    EXPECT_EQ(form.checks, before.checks);
}

TEST_F(OwnSection, TheSelectedInterfaceRowIsSavedAndComesBackAsTheOneSelectedRow) {
    FakeForm window;
    window.addRow(kList, {"1", "a"});
    const std::vector<Text> chosen = {"2", "b", "POST", "c", "1.0", "u=$Url$", "https://s/api"};
    window.addRow(kList, chosen);
    EXPECT_EQ(SaveInterfaceRow(window, store), "");
    EXPECT_FALSE(std::filesystem::exists(store.path()));  // nothing selected, nothing written

    FakeForm unattended;
    RestoreInterfaceRow(unattended, store);
    EXPECT_EQ(unattended.rowCount(kList), 0);

    window.setSelectedRow(kList, 1);
    EXPECT_EQ(SaveInterfaceRow(window, store), "");
    RestoreInterfaceRow(unattended, store);
    ASSERT_EQ(unattended.rowCount(kList), 1);
    EXPECT_EQ(unattended.selectedRow(kList), 0);
    for (int column = 0; column < own_preset::kInterfaceColumns; ++column) {
        EXPECT_EQ(unattended.cell(kList, 0, column), chosen[static_cast<std::size_t>(column)]);
    }
}

}  // namespace
}  // namespace dq
