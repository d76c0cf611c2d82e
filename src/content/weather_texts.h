// GBK texts that more than one piece of the weather report writes.
#pragma once

#include <string_view>

namespace dq::weather_texts {

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kDegrees = "\xA1\xE6";  // ℃

}  // namespace dq::weather_texts
