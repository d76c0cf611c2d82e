// Control names (Qt objectNames, UTF-8, as in the .ui forms) that code addresses through the
// Form port. One place for every name that code spells out.
#pragma once

#include <string_view>

namespace dq::controls {

// Main window: briefing texts.
inline constexpr std::string_view kCity = "城镇";
inline constexpr std::string_view kWeatherBox = "编辑框_天气";
inline constexpr std::string_view kNewsBox = "编辑框_新闻";
inline constexpr std::string_view kQuoteBox = "编辑框_寄语";
inline constexpr std::string_view kDefaultHeader = "单选框_晨报默认头部";
inline constexpr std::string_view kCustomHeader = "自定义头部";
inline constexpr std::string_view kWeatherOn = "单选框_天气开";
inline constexpr std::string_view kWeatherOff = "单选框_天气关";
inline constexpr std::string_view kNewsTabs = "高级选择夹_新闻";
inline constexpr std::string_view kNewsCount = "组合框_新闻条数";

// Main window: short links.
inline constexpr std::string_view kInterfaceList = "超级列表框_接口列表";

}  // namespace dq::controls
