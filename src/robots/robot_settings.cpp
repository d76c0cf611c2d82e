#include "robots/robot_settings.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "workbench/atomic_file.h"
#include "workbench/ini_document.h"

namespace dq::robots {
namespace {

constexpr char kFileName[] = "群机器人.ini";  // UTF-8 on this file system
constexpr unsigned kPrivateMode = 0600;       // the file holds secrets

constexpr std::string_view kKindKey = "kind";
constexpr std::string_view kWebhookKey = "webhook";
constexpr std::string_view kSecretKey = "secret";
constexpr std::string_view kEnabledKey = "enabled";

struct KindEntry {
    RobotKind kind;
    std::string_view stored;  // the value of the kind key
    std::string_view shown;
};
constexpr KindEntry kKinds[] = {
    {RobotKind::WeCom, "wecom", "企业微信"},
    {RobotKind::DingTalk, "dingtalk", "钉钉"},
    {RobotKind::Feishu, "feishu", "飞书"},
};

const KindEntry& EntryOf(RobotKind kind) {
    return *std::find_if(std::begin(kKinds), std::end(kKinds),
                         [&](const KindEntry& entry) { return entry.kind == kind; });
}

RobotKind KindFromStored(std::string_view stored) {
    for (const KindEntry& entry : kKinds)
        if (entry.stored == stored) return entry.kind;
    return RobotKind::WeCom;
}

std::string SectionOf(int slot) { return "robot" + std::to_string(slot + 1); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool PrintableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

}  // namespace

std::string_view KindName(RobotKind kind) { return EntryOf(kind).shown; }

bool KindSigns(RobotKind kind) { return kind != RobotKind::WeCom; }

std::string RobotFilePath(const std::string& directory) { return directory + "/" + kFileName; }

RobotList LoadRobots(const std::string& directory) {
    const IniDocument document(ReadFile(RobotFilePath(directory)));
    RobotList robots;
    for (int slot = 0; slot < kRobotSlots; ++slot) {
        const std::string section = SectionOf(slot);
        const auto read = [&](std::string_view key) {
            return document.value(section, key).value_or(Text{});
        };
        Robot& robot = robots[static_cast<std::size_t>(slot)];
        robot.kind = KindFromStored(read(kKindKey));
        robot.webhook = read(kWebhookKey);
        robot.secret = KindSigns(robot.kind) ? read(kSecretKey) : std::string();
        robot.enabled = read(kEnabledKey) == "1";
    }
    return robots;
}

std::string RobotProblem(const Robot& robot) {
    if (!PrintableAscii(robot.webhook)) return "机器人地址只能由英文字母、数字和符号组成，不能有空格。";
    if (!PrintableAscii(robot.secret)) return "签名密钥只能由英文字母、数字和符号组成，不能有空格。";
    if (!robot.enabled) return {};
    if (robot.webhook.empty()) return "启用的机器人还没有填写地址。";
    // The address carries the robot's key: it never goes out unencrypted.
    if (!robot.webhook.starts_with("https://")) return "机器人地址必须以 https:// 开头。";
    return {};
}

std::string SaveRobots(const std::string& directory, const RobotList& robots) {
    for (int slot = 0; slot < kRobotSlots; ++slot) {
        const std::string problem = RobotProblem(robots[static_cast<std::size_t>(slot)]);
        if (!problem.empty()) return "机器人" + std::to_string(slot + 1) + "：" + problem;
    }
    const std::string path = RobotFilePath(directory);
    IniDocument document(ReadFile(path));
    for (int slot = 0; slot < kRobotSlots; ++slot) {
        const Robot& robot = robots[static_cast<std::size_t>(slot)];
        const std::string section = SectionOf(slot);
        document.set(section, kKindKey, EntryOf(robot.kind).stored);
        document.set(section, kWebhookKey, robot.webhook);
        document.set(section, kSecretKey, KindSigns(robot.kind) ? robot.secret : std::string());
        document.set(section, kEnabledKey, robot.enabled ? "1" : "0");
    }
    return WriteFileAtomically(path, document.content(), kPrivateMode);
}

}  // namespace dq::robots
