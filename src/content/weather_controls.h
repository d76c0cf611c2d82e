// Control names (objectNames) of the main window that the weather report reads and writes.
#pragma once

#include <string_view>

namespace dq::weather_controls {

inline constexpr std::string_view kCity = "城镇";
inline constexpr std::string_view kWeatherBox = "编辑框_天气";
inline constexpr std::string_view kNewsBox = "编辑框_新闻";
inline constexpr std::string_view kDefaultHeader = "单选框_晨报默认头部";
inline constexpr std::string_view kCustomHeader = "自定义头部";
inline constexpr std::string_view kWeatherOn = "单选框_天气开";
inline constexpr std::string_view kWeatherOff = "单选框_天气关";

}  // namespace dq::weather_controls
