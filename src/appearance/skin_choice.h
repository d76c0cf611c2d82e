// The six skins the main window offers: the position of an item in 皮肤_组合框 (and the
// value the preset "皮肤" stores) and the built-in skin it stands for.
#pragma once

namespace dq {

// The built-in skin number of combo position index: 1, 3, 15, 16, 17 or 30 for positions
// 0 to 5; 0 (no skin) for any other position, including -1 for no selection.
int SkinForChoice(int index);

}  // namespace dq
