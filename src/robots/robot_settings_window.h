// The window "群机器人": the three robot slots, each with its kind, webhook address, signing
// secret and on/off, saved to 群机器人.ini with "保存". A stored secret is never put back into
// a widget: its box stays empty and says the secret is kept; typing replaces it, "清除已存密钥"
// removes it. WeCom robots have no secret, so their secret box is disabled.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "robots/robot_settings.h"
#include "workbench/messages.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace dq::robots {

class RobotSettingsWindow : public QDialog {
public:
    // directory: where 群机器人.ini lives; messages: where a failed save is reported.
    RobotSettingsWindow(std::string directory, Messages& messages, QWidget* parent = nullptr);

    // The robots as the window's controls describe them now (stored secrets filled in).
    RobotList robotsShown() const;

private:
    struct Slot {
        QCheckBox* enabled = nullptr;
        QComboBox* kind = nullptr;
        QLineEdit* webhook = nullptr;
        QLineEdit* secret = nullptr;
        QCheckBox* clearSecret = nullptr;
        std::string storedSecret;
    };

    void buildSlot(int index, const Robot& robot);
    void kindChosen(int index);
    void save();

    std::string directory_;
    Messages& messages_;
    std::array<Slot, kRobotSlots> slots_;
};

}  // namespace dq::robots
