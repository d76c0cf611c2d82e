#include "services/json_reader.h"

#include "services/ecmascript_number.h"
#include "services/json_text.h"
#include "web/encoding.h"

namespace dq {
namespace {

using Json = nlohmann::ordered_json;

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

const Json* FindMember(const Json& object, const std::string& name) {
    const auto exact = object.find(name);
    if (exact != object.end()) return &*exact;
    for (const auto& [key, member] : object.get_ref<const Json::object_t&>()) {
        if (EqualIgnoringAsciiCase(key, name)) return &member;
    }
    return nullptr;
}

Text TextOf(const Json& value) {
    if (value.is_string()) return Utf8ToAnsi(value.get_ref<const std::string&>());
    if (value.is_number()) return services::EcmaScriptNumberText(value.get<double>());
    std::string utf8;
    services::AppendJsonText(value, utf8);
    return Utf8ToAnsi(utf8);
}

}  // namespace

JsonValue JsonReader::Parse(const Text& text) {
    Json parsed = Json::parse(AnsiToUtf8(text), nullptr, /*allow_exceptions=*/false);
    current_ = parsed.is_discarded() ? nullptr : std::make_shared<const Json>(std::move(parsed));
    return current_;
}

Text JsonReader::ToJsonText() const {
    if (!current_) return {};
    std::string utf8;
    services::AppendJsonText(*current_, utf8);
    return Utf8ToAnsi(utf8);
}

Text JsonReader::MemberText(const JsonValue& value, const Text& name) {
    if (!value || !value->is_object()) return {};
    const Json* member = FindMember(*value, AnsiToUtf8(name));
    return member != nullptr ? TextOf(*member) : Text();
}

}  // namespace dq
