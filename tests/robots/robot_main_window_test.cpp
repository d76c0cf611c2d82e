// The main window's ways into the group robots: the menu item "群机器人" and "发送到群".
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "robots/robot_settings.h"
#include "robots/trusted_test_ca.h"
#include "support/loopback_site.h"
#include "web/encoding.h"
#include "workbench/busy_state.h"
#include "workbench/control_names.h"
#include "workbench/test_main_window_fixture.h"

namespace dq::robots {
namespace {

class RobotMainWindow : public dq::testing::MainWindowTest {};

TEST_F(RobotMainWindow, MenuItemOpensTheRobotWindowOverTheRunDirectory) {
    open();
    Dialogs::setWindowHandler([](QDialog& robotWindow) {
        robotWindow.findChild<QLineEdit*>(QString::fromStdString(
                   controls::RobotControl(controls::kRobotWebhookRole, 0)))
            ->setText("https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k");
        robotWindow.findChild<QPushButton*>(QString::fromUtf8(controls::kRobotSave.data()))->click();
        return robotWindow.result();
    });
    find<QAction>("群机器人")->trigger();
    EXPECT_EQ(windows(), QStringList{QStringLiteral("群机器人窗口")});
    EXPECT_EQ(LoadRobots(directory.path().toStdString())[0].webhook,
              "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k");
}

TEST_F(RobotMainWindow, PostButtonSendsTheBoxesAndReportsTheRobotsAnswer) {
    TrustedTestCa trustedCa;
    dq::testing::LoopbackSite site{"qyapi.weixin.qq.com"};
    site.server.on("/cgi-bin/webhook/send", dq::testing::CannedResponse::Ok(
                                                R"({"errcode":45009,"errmsg":"api freq out of limit"})",
                                                "application/json"));
    RobotList robots;
    robots[0] = {RobotKind::WeCom, "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k", "", true};
    ASSERT_EQ(SaveRobots(directory.path().toStdString(), robots), "");
    open();
    form->setText(controls::kWeatherBox, Utf8ToAnsi("晴\r\n"));
    form->setText(controls::kNewsBox, Utf8ToAnsi("1、新闻\r\n"));
    Dialogs::clearShown();  // whatever the creation sequence showed

    find<QPushButton>("按钮_发送到群")->click();
    EXPECT_EQ(site.server.requests().size(), 1u);
    EXPECT_FALSE(BusyState::Active());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0], QStringLiteral("机器人1（企业微信）：没有发送。消息被机器人拒绝："
                                            "errcode 45009: api freq out of limit"));
    EXPECT_EQ(Dialogs::shown()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(site.server.lastRequest().header("Content-Type"), "application/json");
    EXPECT_EQ(AnsiToUtf8(form->text(controls::kNewsBox)), "1、新闻\r\n");
}

}  // namespace
}  // namespace dq::robots
