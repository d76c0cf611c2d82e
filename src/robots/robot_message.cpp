#include "robots/robot_message.h"

#include "robots/robot_signature.h"

namespace dq::robots {
namespace {

// Where a piece that may hold at most limit bytes of text must end so that no UTF-8 character
// is cut: limit itself, or before the lead byte of the character crossing it.
std::size_t CharacterBoundary(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return end == 0 ? limit : end;  // not UTF-8 at all: cut where the bytes end
}

}  // namespace

std::string ChatLines(std::string_view utf8) {
    std::string lines;
    lines.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\r') {
            lines += utf8[i];
            continue;
        }
        lines += '\n';
        if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
    }
    return lines;
}

std::vector<std::string> SplitAtLines(std::string_view text, std::size_t limit) {
    std::vector<std::string> pieces;
    while (!text.empty()) {
        if (text.size() <= limit) {
            pieces.emplace_back(text);
            break;
        }
        // The last line end that leaves the piece within the limit. The line ends around the
        // cut are dropped (blank lines between two messages show as nothing), and so is a
        // piece that would be empty (the services refuse empty messages).
        const std::size_t lineEnd = text.rfind('\n', limit);
        if (lineEnd != std::string_view::npos) {
            std::string_view piece = text.substr(0, lineEnd);
            while (!piece.empty() && piece.back() == '\n') piece.remove_suffix(1);
            if (!piece.empty()) pieces.emplace_back(piece);
            text.remove_prefix(lineEnd);
            while (!text.empty() && text.front() == '\n') text.remove_prefix(1);
            continue;
        }
        const std::size_t end = CharacterBoundary(text, limit);
        pieces.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return pieces;
}

std::vector<std::string> MessageTexts(RobotKind kind, std::string_view utf8) {
    const std::string lines = ChatLines(utf8);
    if (kind == RobotKind::WeCom) return SplitAtLines(lines, kWeComTextLimit);
    if (lines.empty()) return {};
    return {lines};
}

nlohmann::ordered_json TextMessage(RobotKind kind, const std::string& content) {
    nlohmann::ordered_json message;
    if (kind == RobotKind::Feishu) {
        message["msg_type"] = "text";
        message["content"]["text"] = content;
    } else {
        message["msgtype"] = "text";
        message["text"]["content"] = content;
    }
    return message;
}

nlohmann::ordered_json WeComImageMessage(std::string_view jpeg) {
    nlohmann::ordered_json message;
    message["msgtype"] = "image";
    message["image"]["base64"] = Base64(jpeg);
    message["image"]["md5"] = Md5Hex(jpeg);
    return message;
}

std::string BodyText(const nlohmann::ordered_json& message) {
    // Texts come from the GBK converter and are valid UTF-8; replace rather than throw anyway.
    return message.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace dq::robots
