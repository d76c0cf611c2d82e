#include "robots/robot_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "web/encoding.h"
#include "workbench/control_names.h"

namespace dq::robots {
namespace {

namespace controls = dq::controls;

constexpr RobotKind kKindOrder[] = {RobotKind::WeCom, RobotKind::DingTalk, RobotKind::Feishu};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int KindIndex(RobotKind kind) {
    for (int i = 0; i < 3; ++i)
        if (kKindOrder[i] == kind) return i;
    return 0;
}

}  // namespace

RobotSettingsWindow::RobotSettingsWindow(std::string directory, Messages& messages,
                                         QWidget* parent)
    : QDialog(parent), directory_(std::move(directory)), messages_(messages) {
    setObjectName(FromUtf8(controls::kRobotWindow));
    setWindowTitle(QStringLiteral("群机器人"));
    auto* layout = new QVBoxLayout(this);
    const RobotList robots = LoadRobots(directory_);
    for (int index = 0; index < kRobotSlots; ++index)
        buildSlot(index, robots[static_cast<std::size_t>(index)]);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* saveButton = buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::AcceptRole);
    QPushButton* cancelButton = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    saveButton->setObjectName(FromUtf8(controls::kRobotSave));
    cancelButton->setObjectName(FromUtf8(controls::kRobotCancel));
    connect(saveButton, &QPushButton::clicked, this, &RobotSettingsWindow::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void RobotSettingsWindow::buildSlot(int index, const Robot& robot) {
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    const std::string number = std::to_string(index + 1);
    const auto named = [&](QWidget* widget, std::string_view role) {
        widget->setObjectName(FromUtf8(controls::RobotControl(role, index)));
        return widget;
    };
    auto* box = new QGroupBox(QStringLiteral("机器人") + FromUtf8(number), this);
    auto* form = new QFormLayout(box);

    slot.enabled = new QCheckBox(QStringLiteral("启用"), box);
    slot.enabled->setChecked(robot.enabled);
    slot.kind = new QComboBox(box);
    for (const RobotKind kind : kKindOrder) slot.kind->addItem(FromUtf8(KindName(kind)));
    slot.kind->setCurrentIndex(KindIndex(robot.kind));
    slot.webhook = new QLineEdit(FromUtf8(robot.webhook), box);
    slot.webhook->setPlaceholderText(QStringLiteral("https://…（群设置里机器人的 Webhook 地址）"));
    slot.secret = new QLineEdit(box);
    slot.secret->setEchoMode(QLineEdit::Password);
    slot.clearSecret = new QCheckBox(QStringLiteral("清除已存密钥"), box);
    slot.storedSecret = robot.secret;
    slot.secret->setPlaceholderText(robot.secret.empty()
                                        ? QStringLiteral("加签密钥（钉钉、飞书；没有可不填）")
                                        : QStringLiteral("●●●●●● 已保存；输入新密钥即替换"));
    slot.clearSecret->setVisible(!robot.secret.empty());

    form->addRow(named(slot.enabled, controls::kRobotEnabledRole));
    form->addRow(QStringLiteral("类型"), named(slot.kind, controls::kRobotKindRole));
    form->addRow(QStringLiteral("地址"), named(slot.webhook, controls::kRobotWebhookRole));
    form->addRow(QStringLiteral("密钥"), named(slot.secret, controls::kRobotSecretRole));
    form->addRow(named(slot.clearSecret, controls::kRobotClearSecretRole));
    layout()->addWidget(box);

    connect(slot.kind, &QComboBox::activated, this, [this, index] { kindChosen(index); });
    kindChosen(index);
}

void RobotSettingsWindow::kindChosen(int index) {
    Slot& slot = slots_[static_cast<std::size_t>(index)];
    const bool signs = KindSigns(kKindOrder[slot.kind->currentIndex()]);
    slot.secret->setEnabled(signs);
    slot.clearSecret->setEnabled(signs);
}

RobotList RobotSettingsWindow::robotsShown() const {
    RobotList robots;
    for (int index = 0; index < kRobotSlots; ++index) {
        const Slot& slot = slots_[static_cast<std::size_t>(index)];
        Robot& robot = robots[static_cast<std::size_t>(index)];
        robot.kind = kKindOrder[slot.kind->currentIndex()];
        robot.webhook = slot.webhook->text().trimmed().toStdString();
        robot.enabled = slot.enabled->isChecked();
        const std::string typed = slot.secret->text().trimmed().toStdString();
        if (!typed.empty())
            robot.secret = typed;
        else if (!slot.clearSecret->isChecked())
            robot.secret = slot.storedSecret;
        if (!KindSigns(robot.kind)) robot.secret.clear();
    }
    return robots;
}

void RobotSettingsWindow::save() {
    const std::string reason = SaveRobots(directory_, robotsShown());
    if (!reason.empty()) {
        messages_.show(Utf8ToAnsi("群机器人没有保存：" + reason), MessageIcon::Error);
        return;
    }
    accept();
}

}  // namespace dq::robots
