// The names of the presets in 配置文件.ini (GBK) and the two flag values.
#pragma once

#include "web/gbk_literal.h"

namespace dq::preset {

using namespace dq::literals;

inline const Text& Section() { return "配置文件"_gbk; }

inline const Text& City() { return "城镇"_gbk; }
inline const Text& Header() { return "头部"_gbk; }
inline const Text& Quote() { return "寄语"_gbk; }
inline const Text& QuoteHeader() { return "寄语头部"_gbk; }
inline const Text& Skin() { return "皮肤"_gbk; }
inline const Text& NewsCount() { return "新闻条数选"_gbk; }
inline const Text& NewsPage() { return "新闻选项卡"_gbk; }
inline const Text& NewsChoice() { return "新闻选项"_gbk; }
inline const Text& LinksOn() { return "网址链接是否开启"_gbk; }
inline const Text& ShortLinksOn() { return "网址短链是否开启"_gbk; }
inline const Text& WeatherOn() { return "天气开关"_gbk; }
inline const Text& SourceName() { return "信息源名称"_gbk; }
inline const Text& SourceUrl() { return "信息源网址"_gbk; }
inline const Text& SourcePattern() { return "信息源正则"_gbk; }

inline const Text& FlagTrue() { return "真"_gbk; }
inline const Text& FlagFalse() { return "假"_gbk; }

}  // namespace dq::preset
