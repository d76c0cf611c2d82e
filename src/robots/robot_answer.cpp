#include "robots/robot_answer.h"

#include <nlohmann/json.hpp>

namespace dq::robots {
namespace {

constexpr std::size_t kQuotedBody = 200;  // bytes of an unreadable answer shown to the user

struct CodeMembers {
    const char* code;
    const char* message;
};
constexpr CodeMembers kCodeMembers[] = {
    {"errcode", "errmsg"}, {"code", "msg"}, {"StatusCode", "StatusMessage"}};

std::string MessageText(const nlohmann::json& value) {
    if (value.is_string()) return value.get<std::string>();
    return value.is_null() ? std::string() : value.dump();
}

// The start of body, not cut inside a UTF-8 character.
std::string Quoted(std::string_view body) {
    if (body.size() <= kQuotedBody) return std::string(body);
    std::size_t end = kQuotedBody;
    while (end > 0 && (static_cast<unsigned char>(body[end]) & 0xC0) == 0x80) --end;
    return std::string(body.substr(0, end)) + "…";
}

}  // namespace

RobotAnswer ReadAnswer(long httpStatus, std::string_view body) {
    const bool success = httpStatus >= 200 && httpStatus < 300;
    const nlohmann::json answer = nlohmann::json::parse(body, nullptr, false);
    if (answer.is_object()) {
        for (const CodeMembers& members : kCodeMembers) {
            const auto code = answer.find(members.code);
            if (code == answer.end() || !code->is_number_integer()) continue;
            const auto message = answer.find(members.message);
            std::string detail = std::string(members.code) + " " + code->dump();
            if (message != answer.end()) detail += ": " + MessageText(*message);
            if (!success) detail = "HTTP " + std::to_string(httpStatus) + ", " + detail;
            return {success && code->get<long long>() == 0, detail};
        }
    }
    const std::string quoted = Quoted(body);
    return {false, "HTTP " + std::to_string(httpStatus) + (quoted.empty() ? "" : ": " + quoted)};
}

}  // namespace dq::robots
