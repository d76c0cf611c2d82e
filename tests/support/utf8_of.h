// The UTF-8 bytes of a character of the Basic Multilingual Plane, for the tests that walk
// every such character through a conversion.
#pragma once

#include <string>

namespace dq::testing {

// c below 0x10000 and no surrogate.
inline std::string Utf8Of(char32_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800)
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

}  // namespace dq::testing
