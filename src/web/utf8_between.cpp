#include "web/utf8_between.h"

#include "web/encoding.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cassert>
#include <cstdint>

namespace dq {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsHigh(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

// The end of the run of non-ASCII bytes that begins at i. Such a run converts to the same
// bytes alone as inside the whole text: the converter never takes an ASCII byte into a
// malformed sequence, and an ASCII byte converts to itself.
std::size_t RunEnd(std::string_view utf8, std::size_t i) {
    while (i < utf8.size() && IsHigh(utf8[i])) ++i;
    return i;
}

// Whether the character at i is one the converter may drop when GBK lacks it: a valid code
// point with the Default_Ignorable_Code_Point property (a byte order mark, a zero-width space).
bool BeginsWithIgnorable(std::string_view utf8, std::size_t i) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto size = static_cast<std::int32_t>(std::min<std::size_t>(utf8.size() - i, 4));
    std::int32_t at = 0;
    UChar32 c;
    U8_NEXT(bytes + i, at, size, c);
    return c >= 0 && u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
}

// Whether the GBK text's search takes a marker at UTF-8 offset at as standing at a character
// start. That search counts the bytes of 0x80 and above right before the marker and takes an
// odd count to mean the marker's first byte ends a character. Those bytes are the GBK form of
// the run of non-ASCII bytes before the marker (an ASCII byte ends them), back to from.
bool StartsGbkCharacter(std::string_view utf8, std::size_t from, std::size_t at) {
    std::size_t runStart = at;
    while (runStart > from && IsHigh(utf8[runStart - 1])) --runStart;
    if (runStart == at) return true;
    const Text gbk = Utf8ToAnsi(utf8.substr(runStart, at - runStart));
    std::size_t high = 0;
    while (high < gbk.size() && IsHigh(gbk[gbk.size() - 1 - high])) ++high;
    return high % 2 == 0;
}

// Where the GBK form of the UTF-8 from at on begins with marker: the UTF-8 offset just after
// the marker's last byte; kNone when it does not begin with it.
std::size_t MarkerEnd(std::string_view utf8, std::size_t at, std::string_view marker) {
    std::size_t i = at;
    std::size_t k = 0;
    while (k < marker.size()) {
        if (i >= utf8.size()) return kNone;
        if (!IsHigh(utf8[i])) {
            if (utf8[i] != marker[k]) return kNone;
            ++i;
            ++k;
            continue;
        }
        // No GBK form holds a marker byte, so only a run that converts to nothing can stand
        // inside a marker; a run that begins with a character the converter does not skip
        // (anything but a default-ignorable code point) converts to something.
        if (!BeginsWithIgnorable(utf8, i)) return kNone;
        const std::size_t end = RunEnd(utf8, i);
        const Text gbk = Utf8ToAnsi(utf8.substr(i, end - i));
        if (marker.substr(k, gbk.size()) != gbk) return kNone;
        k += gbk.size();
        i = end;
    }
    return i;
}

struct Found {
    std::size_t at;
    std::size_t end;
};

// The first marker at or after from as the GBK text's search finds it, in UTF-8 offsets.
Found FindMarker(std::string_view utf8, std::string_view marker, std::size_t from) {
    assert(!marker.empty() && !IsHigh(marker[0]) && marker.find('?') == kNone);
    for (std::size_t at = utf8.find(marker[0], from); at != kNone; at = utf8.find(marker[0], at + 1)) {
        const std::size_t end = MarkerEnd(utf8, at, marker);
        if (end != kNone && StartsGbkCharacter(utf8, from, at)) return {at, end};
    }
    return {kNone, kNone};
}

}  // namespace

Text Utf8TextBetween(std::string_view utf8, std::string_view left, std::string_view right) {
    // The conversion ends at the first NUL, and so does the text searched.
    utf8 = utf8.substr(0, utf8.find('\0'));
    const Found leftMarker = FindMarker(utf8, left, 0);
    if (leftMarker.at == kNone) return {};
    const Found rightMarker = FindMarker(utf8, right, leftMarker.end);
    if (rightMarker.at == kNone) return {};
    // The piece begins after an ASCII byte and ends before one, so it converts to the bytes
    // it takes in the whole page's conversion.
    return Utf8ToAnsi(utf8.substr(leftMarker.end, rightMarker.at - leftMarker.end));
}

}  // namespace dq
