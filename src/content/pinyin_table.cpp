#include "content/pinyin_table.h"

#include <array>
#include <cstddef>

namespace dq::pinyin {
namespace {

constexpr unsigned char kFirstLead = 0xB0;
constexpr unsigned char kLastLead = 0xF7;
constexpr unsigned char kFirstTrail = 0xA1;
constexpr unsigned char kLastTrail = 0xFE;
constexpr std::size_t kTrailsPerLead = kLastTrail - kFirstTrail + 1;
constexpr std::size_t kCells = (kLastLead - kFirstLead + 1) * kTrailsPerLead;

// Comma-separated readings per cell, generated from a public pinyin dictionary.
constexpr std::array<std::string_view, kCells> kCellReadings = {
#include "gb2312_pinyin.inc"
};

std::string_view CellText(unsigned char lead, unsigned char trail) {
    if (!IsHanziCell(lead, trail)) return {};
    const std::size_t cell = (lead - kFirstLead) * kTrailsPerLead + (trail - kFirstTrail);
    return kCellReadings[cell];
}

}  // namespace

bool IsHanziCell(unsigned char lead, unsigned char trail) {
    return lead >= kFirstLead && lead <= kLastLead && trail >= kFirstTrail && trail <= kLastTrail;
}

std::vector<Text> Readings(unsigned char lead, unsigned char trail) {
    return text::Split(CellText(lead, trail), ",");
}

std::string_view FirstReading(unsigned char lead, unsigned char trail) {
    const std::string_view cell = CellText(lead, trail);
    return cell.substr(0, cell.find(','));
}

}  // namespace dq::pinyin
