// Message texts that more than one operation shows, byte for byte as the user sees them.
#pragma once

#include "web/gbk_literal.h"

namespace dq::messages {

using namespace dq::literals;

// Shown when an action needs the city and 城镇 is empty.
inline const Text& NoCity() { return "Pemmik提示:还没选择城市呢？老铁！"_gbk; }
// The label of the custom-source page begins with this, followed by the chosen source's name.
inline const Text& CurrentChoicePrefix() { return "当前选择："_gbk; }

}  // namespace dq::messages
