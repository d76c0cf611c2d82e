#include "appearance/skin_choice.h"

#include <array>

namespace dq {
namespace {

// 大海蓝色（系统默认）, 少女红（女士最爱）, 简约蓝, 简约黑, 简约白, win系统.
constexpr std::array<int, 6> kSkinOfChoice = {1, 3, 15, 16, 17, 30};

}  // namespace

int SkinForChoice(int index) {
    if (index < 0 || index >= static_cast<int>(kSkinOfChoice.size())) return 0;
    return kSkinOfChoice[static_cast<std::size_t>(index)];
}

}  // namespace dq
