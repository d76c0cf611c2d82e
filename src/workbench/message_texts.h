// Message texts that more than one operation shows, byte for byte as the user sees them.
#pragma once

#include "web/gbk_literal.h"

namespace dq::messages {

using namespace dq::literals;

// Shown when an action needs the city and 城镇 is empty.
inline const Text& NoCity() { return "Pemmik提示:还没选择城市呢？老铁！"_gbk; }
// The label of the custom-source page begins with this, followed by the chosen source's name.
inline const Text& CurrentChoicePrefix() { return "当前选择："_gbk; }

// The news extraction's two failures: a pattern that does not compile, a page without match.
inline const Text& PatternFailed() { return "正则创建失败，请检查正则表达式语句是否有误！"_gbk; }
inline const Text& NothingMatched() { return "匹配失败，请检检查正则语句是否有误，数量：0"_gbk; }
// The text of SuccessWindow.
inline const Text& Success() { return "恭喜你，操作成功!"_gbk; }

}  // namespace dq::messages
