// "…"_gbk: the GBK Text of a UTF-8 string literal, converted on first use and kept for the
// rest of the run, so that Chinese texts are written readably in the source.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "web/encoding.h"
#include "web/text.h"

namespace dq {

template <std::size_t N>
struct Utf8Literal {
    char bytes[N];
    constexpr Utf8Literal(const char (&s)[N]) { std::copy_n(s, N, bytes); }
    constexpr std::string_view view() const { return {bytes, N - 1}; }
};

namespace literals {

template <Utf8Literal S>
const Text& operator""_gbk() {
    static const Text gbk = Utf8ToAnsi(S.view());  // once per literal
    return gbk;
}

}  // namespace literals
}  // namespace dq
