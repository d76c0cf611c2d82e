#include "services/ascii_passthrough.h"

#include "web/encoding.h"

#include <algorithm>

namespace dq::services {
namespace {

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Copies ASCII bytes that stand alone and converts every maximal run in between with convert.
// nextRunEnd(text, i) gives the end of the run that starts at the non-ASCII byte i; it must
// end on a character boundary so that converting runs one by one equals converting the whole.
template <typename RunEnd, typename Convert>
Text ConvertKeepingAscii(std::string_view text, RunEnd nextRunEnd, Convert convert) {
    text = std::string_view(text.data(), TextFromBytes(text).size());
    Text out;
    out.reserve(text.size() + text.size() / 2);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t asciiEnd = i;
        while (asciiEnd < text.size() && IsAscii(text[asciiEnd])) ++asciiEnd;
        out.append(text, i, asciiEnd - i);
        if (asciiEnd == text.size()) break;
        const std::size_t runEnd = nextRunEnd(text, asciiEnd);
        out += convert(text.substr(asciiEnd, runEnd - asciiEnd));
        i = runEnd;
    }
    return out;
}

// A GBK lead byte (81..FE) takes the byte after it as its trail, whatever that byte is (a
// trail may lie in the ASCII range, as in 81 40); 80 (the euro sign) and FF stand alone. The
// run goes on while the next character begins with a high byte.
std::size_t GbkRunEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && !IsAscii(text[i])) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool single = byte == 0x80 || byte == 0xFF;
        i = std::min(i + (single ? 1 : 2), text.size());
    }
    return i;
}

// In UTF-8 every byte of a multi-byte sequence has the high bit set.
std::size_t Utf8RunEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && !IsAscii(text[i])) ++i;
    return i;
}

}  // namespace

Text AnsiToUtf8KeepingAscii(std::string_view ansi) {
    return ConvertKeepingAscii(ansi, GbkRunEnd, [](std::string_view run) { return AnsiToUtf8(run); });
}

Text Utf8ToAnsiKeepingAscii(std::string_view utf8) {
    return ConvertKeepingAscii(utf8, Utf8RunEnd, [](std::string_view run) { return Utf8ToAnsi(run); });
}

}  // namespace dq::services
