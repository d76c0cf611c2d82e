// The names of the presets in 配置文件.ini (GBK) and the two flag values.
#pragma once

namespace dq::preset {

inline constexpr char kSection[] = "\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE";  // 配置文件

inline constexpr char kCity[] = "\xB3\xC7\xD5\xF2";                          // 城镇
inline constexpr char kHeader[] = "\xCD\xB7\xB2\xBF";                        // 头部
inline constexpr char kQuote[] = "\xBC\xC4\xD3\xEF";                         // 寄语
inline constexpr char kQuoteHeader[] = "\xBC\xC4\xD3\xEF\xCD\xB7\xB2\xBF";  // 寄语头部
inline constexpr char kSkin[] = "\xC6\xA4\xB7\xF4";                          // 皮肤
inline constexpr char kNewsCount[] = "\xD0\xC2\xCE\xC5\xCC\xF5\xCA\xFD\xD1\xA1";  // 新闻条数选
inline constexpr char kNewsPage[] = "\xD0\xC2\xCE\xC5\xD1\xA1\xCF\xEE\xBF\xA8";   // 新闻选项卡
inline constexpr char kNewsChoice[] = "\xD0\xC2\xCE\xC5\xD1\xA1\xCF\xEE";          // 新闻选项
// 网址链接是否开启
inline constexpr char kLinksOn[] = "\xCD\xF8\xD6\xB7\xC1\xB4\xBD\xD3\xCA\xC7\xB7\xF1\xBF\xAA\xC6\xF4";
// 网址短链是否开启
inline constexpr char kShortLinksOn[] =
    "\xCD\xF8\xD6\xB7\xB6\xCC\xC1\xB4\xCA\xC7\xB7\xF1\xBF\xAA\xC6\xF4";
inline constexpr char kWeatherOn[] = "\xCC\xEC\xC6\xF8\xBF\xAA\xB9\xD8";              // 天气开关
inline constexpr char kSourceName[] = "\xD0\xC5\xCF\xA2\xD4\xB4\xC3\xFB\xB3\xC6";     // 信息源名称
inline constexpr char kSourceUrl[] = "\xD0\xC5\xCF\xA2\xD4\xB4\xCD\xF8\xD6\xB7";      // 信息源网址
inline constexpr char kSourcePattern[] = "\xD0\xC5\xCF\xA2\xD4\xB4\xD5\xFD\xD4\xF2";  // 信息源正则

inline constexpr char kTrue[] = "\xD5\xE6";   // 真
inline constexpr char kFalse[] = "\xBC\xD9";  // 假

}  // namespace dq::preset
