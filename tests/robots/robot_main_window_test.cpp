// The main window's way into the group robots: the menu item "群机器人".
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "robots/robot_settings.h"
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

}  // namespace
}  // namespace dq::robots
