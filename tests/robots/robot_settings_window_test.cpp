#include "robots/robot_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "support/case_name.h"
#include "support/recording_messages.h"
#include "workbench/control_names.h"
#include "workbench/presets_temp_dir.h"
#include "workbench/test_main_window_fixture.h"

namespace dq::robots {
namespace {

using dq::testing::ReadBytes;
using dq::testing::TempDir;

class RobotSettingsWindowTest : public dq::testing::WidgetTest {
protected:
    template <typename Widget>
    Widget* control(RobotSettingsWindow& window, std::string_view role, int slot) {
        auto* widget = window.findChild<Widget*>(
            QString::fromStdString(controls::RobotControl(role, slot)));
        EXPECT_NE(widget, nullptr) << controls::RobotControl(role, slot);
        return widget;
    }
    void clickSave(RobotSettingsWindow& window) {
        window.findChild<QPushButton*>(QString::fromUtf8(controls::kRobotSave.data()))->click();
    }

    TempDir dir;
    dq::testing::RecordingMessages messages;
};

TEST_F(RobotSettingsWindowTest, EnteredRobotsAreSavedAndShownAgain) {
    {
        RobotSettingsWindow window(dir.path(), messages);
        control<QCheckBox>(window, controls::kRobotEnabledRole, 1)->setChecked(true);
        control<QComboBox>(window, controls::kRobotKindRole, 1)->setCurrentIndex(1);  // 钉钉
        control<QLineEdit>(window, controls::kRobotWebhookRole, 1)
            ->setText(" https://oapi.dingtalk.com/robot/send?access_token=t ");
        control<QLineEdit>(window, controls::kRobotSecretRole, 1)->setText("SECone");
        clickSave(window);
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
    const RobotList stored = LoadRobots(dir.path());
    EXPECT_TRUE(stored[1].enabled);
    EXPECT_EQ(stored[1].kind, RobotKind::DingTalk);
    EXPECT_EQ(stored[1].webhook, "https://oapi.dingtalk.com/robot/send?access_token=t");
    EXPECT_EQ(stored[1].secret, "SECone");

    RobotSettingsWindow again(dir.path(), messages);
    auto* secret = control<QLineEdit>(again, controls::kRobotSecretRole, 1);
    EXPECT_EQ(secret->text(), "");  // the stored secret never goes back into a widget
    EXPECT_EQ(secret->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(control<QCheckBox>(again, controls::kRobotClearSecretRole, 1)->isVisibleTo(&again));
    EXPECT_EQ(control<QComboBox>(again, controls::kRobotKindRole, 1)->currentText(), "钉钉");
}

struct SecretEdit {
    const char* name;
    const char* typed;
    bool clear;
    const char* stored;
};

class RobotSecretEditTest : public RobotSettingsWindowTest,
                            public ::testing::WithParamInterface<SecretEdit> {};

TEST_P(RobotSecretEditTest, StoredSecretKeptReplacedOrCleared) {
    RobotList robots;
    robots[0] = {RobotKind::Feishu, "https://open.feishu.cn/open-apis/bot/v2/hook/x", "old", true};
    ASSERT_EQ(SaveRobots(dir.path(), robots), "");
    RobotSettingsWindow window(dir.path(), messages);
    control<QLineEdit>(window, controls::kRobotSecretRole, 0)->setText(GetParam().typed);
    control<QCheckBox>(window, controls::kRobotClearSecretRole, 0)->setChecked(GetParam().clear);
    clickSave(window);
    EXPECT_EQ(LoadRobots(dir.path())[0].secret, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Robots, RobotSecretEditTest,
                         ::testing::Values(SecretEdit{"LeftEmpty", "", false, "old"},
                                           SecretEdit{"Typed", "new", false, "new"},
                                           SecretEdit{"Cleared", "", true, ""},
                                           SecretEdit{"TypedWinsOverClear", "new", true, "new"}),
                         dq::testing::CaseName<SecretEdit>);

TEST_F(RobotSettingsWindowTest, WeComHasNoSecretBox) {
    RobotSettingsWindow window(dir.path(), messages);
    auto* kind = control<QComboBox>(window, controls::kRobotKindRole, 2);
    auto* secret = control<QLineEdit>(window, controls::kRobotSecretRole, 2);
    EXPECT_FALSE(secret->isEnabled());  // a fresh slot is a WeCom robot
    kind->setCurrentIndex(2);
    emit kind->activated(2);
    EXPECT_TRUE(secret->isEnabled());
}

TEST_F(RobotSettingsWindowTest, ARefusedRobotIsReportedAndNothingIsWritten) {
    RobotSettingsWindow window(dir.path(), messages);
    control<QCheckBox>(window, controls::kRobotEnabledRole, 0)->setChecked(true);
    control<QLineEdit>(window, controls::kRobotWebhookRole, 0)->setText("http://qyapi.weixin.qq.com/x");
    clickSave(window);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(AnsiToUtf8(messages.shown[0].text),
              "群机器人没有保存：机器人1：机器人地址必须以 https:// 开头。");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_EQ(ReadBytes(RobotFilePath(dir.path())), "");
}

}  // namespace
}  // namespace dq::robots
