#include "appearance/skin_file.h"

#include <QByteArrayView>

#include <cstdint>

namespace dq {
namespace {

std::uint32_t LittleEndian32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

// True when every block opens and closes in order, and no comment or string is left open.
// Braces inside /* comments */ and quoted strings do not count.
bool BracesPairUp(std::string_view sheet) {
    int depth = 0;
    for (std::size_t i = 0; i < sheet.size(); ++i) {
        const char c = sheet[i];
        if (c == '/' && i + 1 < sheet.size() && sheet[i + 1] == '*') {
            const std::size_t end = sheet.find("*/", i + 2);
            if (end == std::string_view::npos) return false;
            i = end + 1;
        } else if (c == '"' || c == '\'') {
            const std::size_t end = sheet.find(c, i + 1);
            if (end == std::string_view::npos) return false;
            i = end;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

}  // namespace

std::optional<std::string> SkinStyleSheet(std::string_view file) {
    if (file.size() < kSkinFileHeaderSize || file.substr(0, kSkinFileMark.size()) != kSkinFileMark) {
        return std::nullopt;
    }
    const std::string_view payload = file.substr(kSkinFileHeaderSize);
    if (LittleEndian32(file.substr(kSkinFileMark.size(), 4)) != payload.size()) return std::nullopt;
    const QByteArrayView utf8(payload.data(), static_cast<qsizetype>(payload.size()));
    if (!utf8.isValidUtf8() || !BracesPairUp(payload)) return std::nullopt;
    return std::string(payload);
}

}  // namespace dq
