// GBK texts that more than one piece of the weather report writes.
#pragma once

#include <string_view>

#include "web/gbk_literal.h"

namespace dq::weather_texts {

inline constexpr std::string_view kLineEnd = "\r\n";
using namespace dq::literals;
inline const Text& Degrees() { return "℃"_gbk; }

}  // namespace dq::weather_texts
