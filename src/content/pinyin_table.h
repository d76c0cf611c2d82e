// The pinyin table of the GB2312 hanzi that the weather site's city names are spelled from.
#pragma once

#include <string_view>
#include <vector>

#include "web/text.h"

namespace dq::pinyin {

// True when lead and trail are the two GBK bytes of a cell of the GB2312 hanzi block (lead
// B0-F7, trail A1-FE); a few cells of that block hold no character.
bool IsHanziCell(unsigned char lead, unsigned char trail);

// The readings of the hanzi in that cell, usual one first, at most three, each in lower-case
// ASCII letters without tone and with u for u-umlaut; none for cells outside the block or
// without a hanzi.
std::vector<Text> Readings(unsigned char lead, unsigned char trail);

// The first of those readings; empty when there is none.
std::string_view FirstReading(unsigned char lead, unsigned char trail);

}  // namespace dq::pinyin
