// "发到群": the exported picture posted to the enabled group robots.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <nlohmann/json.hpp>

#include "picture_window_fixture.h"
#include "robots/robot_settings.h"
#include "robots/trusted_test_ca.h"
#include "support/loopback_site.h"

namespace dq::testing {
namespace {

constexpr char kWeComHost[] = "qyapi.weixin.qq.com";
constexpr char kWeComHook[] = "https://qyapi.weixin.qq.com/cgi-bin/webhook/send?key=k";

class PicturePost : public PictureWindowTest {
protected:
    void saveRobots(bool enabled) {
        robots::RobotList robots;
        robots[0] = {robots::RobotKind::WeCom, kWeComHook, "", enabled};
        ASSERT_EQ(robots::SaveRobots(directory.path().toStdString(), robots), "");
    }
    void tick(bool on) { find<QCheckBox>("选择框_发到群")->setChecked(on); }

    // The exported picture (the robots' file is the other one in the directory).
    QByteArray picture() const {
        for (const QString& name : pictures()) {
            if (!name.endsWith(QStringLiteral(".jpg"))) continue;
            QFile file(QString::fromStdString(picturePath(name)));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            return file.readAll();
        }
        return {};
    }

    robots::TrustedTestCa trustedCa;
    LoopbackSite site{kWeComHost};
};

TEST_F(PicturePost, TickedTheExportedPictureGoesToTheRobotsAndEachAnswerIsReported) {
    site.server.on("/cgi-bin/webhook/send",
                   CannedResponse::Ok(R"({"errcode":0,"errmsg":"ok"})", "application/json"));
    saveRobots(true);
    open();
    window->show();
    tick(true);

    click("按钮1");

    ASSERT_EQ(site.server.requests().size(), 1u);
    const auto body = nlohmann::json::parse(site.server.lastRequest().body);
    EXPECT_EQ(body["msgtype"], "image");
    const QByteArray jpeg = picture();
    ASSERT_FALSE(jpeg.isEmpty());
    EXPECT_EQ(body["image"]["md5"],
              QCryptographicHash::hash(jpeg, QCryptographicHash::Md5).toHex().toStdString());
    EXPECT_EQ(body["image"]["base64"], jpeg.toBase64().toStdString());
    ASSERT_EQ(Dialogs::shown().size(), 2u);
    EXPECT_EQ(Dialogs::shown()[0].window, QStringLiteral("SuccessWindow"));
    EXPECT_EQ(Dialogs::shown()[1].text, QStringLiteral("机器人1（企业微信）：已发送，共 1 条消息。"));
    EXPECT_EQ(Dialogs::shown()[1].icon, QMessageBox::Information);
}

TEST_F(PicturePost, NotTickedNothingIsPosted) {
    saveRobots(true);
    open();
    window->show();

    click("按钮1");

    EXPECT_TRUE(site.server.requests().empty());
    ASSERT_EQ(Dialogs::shown().size(), 1u);
    EXPECT_EQ(Dialogs::shown()[0].window, QStringLiteral("SuccessWindow"));
}

TEST_F(PicturePost, WithoutAnEnabledRobotTheUserIsToldHowToSetOneUp) {
    saveRobots(false);
    open();
    window->show();
    tick(true);

    click("按钮1");

    EXPECT_TRUE(site.server.requests().empty());
    ASSERT_EQ(Dialogs::shown().size(), 2u);
    EXPECT_EQ(Dialogs::shown()[1].text,
              QStringLiteral("还没有启用的群机器人：请先在菜单“工具 → 群机器人”里填写地址并启用。"));
    EXPECT_EQ(Dialogs::shown()[1].icon, QMessageBox::Warning);
}

TEST_F(PicturePost, AFailedExportPostsNothing) {
    saveRobots(true);
    open(directory.path().toStdString() + "/gone");
    window->show();
    tick(true);

    click("按钮1");

    EXPECT_TRUE(site.server.requests().empty());
    ASSERT_EQ(Dialogs::shown().size(), 1u);
    EXPECT_EQ(Dialogs::shown()[0].icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace dq::testing
