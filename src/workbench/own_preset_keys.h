// Our own presets: the settings that the section "配置文件" of 配置文件.ini has no key for live
// in a section of their own, [Dawnquill], of the same file (GBK, CR LF, like the rest of it).
// The section "配置文件" and its keys stay exactly as they are. Every feature that keeps a
// setting of its own adds its key here.
#pragma once

#include <array>
#include <string_view>

#include "web/gbk_literal.h"

namespace dq::own_preset {

using namespace dq::literals;

inline const Text& Section() { return "Dawnquill"_gbk; }

// The checked radio button of the page "  网站热搜 ", by its control name (GBK).
inline const Text& HotListChoice() { return "网站热搜选项"_gbk; }
// "真" when 单选框_utf8 of the custom-source page is checked, else "假".
inline const Text& CustomSourceUtf8() { return "自定义信息源utf8"_gbk; }

// The seven texts of the selected row of 超级列表框_接口列表, one key per column.
inline constexpr int kInterfaceColumns = 7;
inline const std::array<const Text*, kInterfaceColumns>& InterfaceRowKeys() {
    static const std::array<const Text*, kInterfaceColumns> keys = {
        &"短链接口序号"_gbk, &"短链接口短网址"_gbk, &"短链接口类型"_gbk, &"短链接口作者"_gbk,
        &"短链接口版本"_gbk, &"短链接口数据"_gbk,   &"短链接口地址"_gbk};
    return keys;
}

}  // namespace dq::own_preset
