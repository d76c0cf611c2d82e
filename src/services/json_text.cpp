#include "services/json_text.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "services/ecmascript_number.h"

namespace dq::services {
namespace {

using Json = nlohmann::ordered_json;

constexpr char kHex[] = "0123456789abcdef";

bool EscapedAboveAscii(std::uint32_t c) {
    return (c >= 0x7F && c <= 0x9F) || c == 0xAD || (c >= 0x600 && c <= 0x604) || c == 0x70F ||
           c == 0x17B4 || c == 0x17B5 || (c >= 0x200C && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF ||
           c >= 0xFFF0;
}

void AppendUnicodeEscape(std::uint32_t c, std::string& out) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
}

// The code point of the valid UTF-8 sequence at s[i] (nlohmann keeps only valid UTF-8) and
// its length.
std::uint32_t DecodeAt(const std::string& s, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(s[i + k])); };
    const std::uint32_t lead = byte(0);
    if (lead < 0xE0) {
        length = 2;
        return ((lead & 0x1F) << 6) | (byte(1) & 0x3F);
    }
    if (lead < 0xF0) {
        length = 3;
        return ((lead & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    }
    length = 4;
    return ((lead & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
}

void AppendString(const std::string& s, std::string& out) {
    out += '"';
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            std::size_t length = 1;
            const std::uint32_t code = DecodeAt(s, i, length);
            if (EscapedAboveAscii(code))
                AppendUnicodeEscape(code, out);
            else
                out.append(s, i, length);
            i += length;
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\f': out += "\\f"; break;
            case '\r': out += "\\r"; break;
            default:
                if (c < 0x20 || c == 0x7F)
                    AppendUnicodeEscape(c, out);
                else
                    out += static_cast<char>(c);
        }
        ++i;
    }
    out += '"';
}

void AppendNumber(double value, std::string& out) {
    out += std::isfinite(value) ? EcmaScriptNumberText(value) : "null";
}

// Writes a value that holds no members or elements; false for an object or array.
bool AppendScalar(const Json& value, std::string& out) {
    switch (value.type()) {
        case Json::value_t::string: AppendString(value.get_ref<const std::string&>(), out); return true;
        case Json::value_t::boolean: out += value.get<bool>() ? "true" : "false"; return true;
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float: AppendNumber(value.get<double>(), out); return true;
        case Json::value_t::object:
        case Json::value_t::array: return false;
        default: out += "null"; return true;
    }
}

// One open object or array and the position of its next member or element.
struct Frame {
    const Json* container;
    std::size_t next = 0;
};

}  // namespace

void AppendJsonText(const Json& value, std::string& out) {
    if (AppendScalar(value, out)) return;
    std::vector<Frame> open;
    open.push_back({&value});
    out += value.is_object() ? '{' : '[';
    while (!open.empty()) {
        Frame& frame = open.back();
        const bool object = frame.container->is_object();
        const std::size_t size = frame.container->size();
        if (frame.next == size) {
            out += object ? '}' : ']';
            open.pop_back();
            continue;
        }
        if (frame.next > 0) out += ',';
        const Json* child = nullptr;
        if (object) {
            const Json::object_t& members = frame.container->get_ref<const Json::object_t&>();
            const auto& member = *(members.begin() + static_cast<std::ptrdiff_t>(frame.next));
            AppendString(member.first, out);
            out += ':';
            child = &member.second;
        } else {
            child = &frame.container->get_ref<const Json::array_t&>()[frame.next];
        }
        ++frame.next;
        if (AppendScalar(*child, out)) continue;
        out += child->is_object() ? '{' : '[';
        open.push_back({child});  // frame is not used after this: the vector may move
    }
}

}  // namespace dq::services
