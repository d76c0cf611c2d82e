#include "services/gbk_subject.h"

#include "web/encoding.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace dq::services {
namespace {

// The UTF-8 form of one GBK unit, in an entry of Size bytes, so decoding copies a whole entry
// at once and then advances by its length. A pair decodes to one character of at most three
// bytes (or "?"), so its entries take four bytes and the table stays small in the cache.
template <std::size_t Size>
struct Decoded {
    std::array<char, Size - 1> bytes{};
    std::uint8_t length = 0;
};
using SingleForm = Decoded<8>;
using PairForm = Decoded<4>;
static_assert(sizeof(SingleForm) == 8 && sizeof(PairForm) == 4);

bool IsLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

template <typename Form>
Form MakeDecoded(std::string_view utf8) {
    Form d;
    d.length = static_cast<std::uint8_t>(std::min(utf8.size(), d.bytes.size()));
    std::memcpy(d.bytes.data(), utf8.data(), d.length);
    return d;
}

// Every GBK unit's UTF-8 form, as the code page converter decodes it.
class DecodeTable {
public:
    static const DecodeTable& Instance() {
        static const DecodeTable table;
        return table;
    }

    // The high single byte (80, FF) or the lone lead byte at the end of the text.
    const SingleForm& Single(unsigned char byte) const { return single_[byte - 0x80]; }
    const PairForm& Pair(unsigned char lead, unsigned char trail) const {
        return pairs_[(lead - 0x81) * 256u + trail];
    }

private:
    DecodeTable() : single_(0x80), pairs_(126 * 256) {
        for (unsigned b = 0x80; b <= 0xFF; ++b) single_[b - 0x80] = MakeDecoded<SingleForm>(AnsiToUtf8(std::string(1, char(b))));
        // One conversion per lead byte: each pair followed by a line feed, which no pair
        // absorbs, so the pieces between the line feeds are the pairs' forms.
        std::string pairs;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            pairs.clear();
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (!IsTrail(static_cast<unsigned char>(trail))) continue;
                pairs += static_cast<char>(lead);
                pairs += static_cast<char>(trail);
                pairs += '\n';
            }
            const std::string decoded = AnsiToUtf8(pairs);
            std::size_t from = 0;
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (!IsTrail(static_cast<unsigned char>(trail))) continue;
                const std::size_t to = decoded.find('\n', from);
                pairs_[(lead - 0x81) * 256u + trail] =
                    MakeDecoded<PairForm>(std::string_view(decoded).substr(from, to - from));
                from = to + 1;
            }
        }
    }

    std::vector<SingleForm> single_;
    std::vector<PairForm> pairs_;
};

// Length of the run of ASCII bytes at the start of text.
std::size_t AsciiPrefix(const char* text, std::size_t size) {
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text + i, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (i < size && static_cast<unsigned char>(text[i]) < 0x80) ++i;
    return i;
}

// The GBK unit at gbk[i]: its length in GBK bytes and its UTF-8 form. A lead byte without a
// valid trail decodes alone, and the byte after it starts the next unit.
struct Unit {
    std::size_t gbkLength;
    std::size_t utf8Length;
};

Unit UnitAt(std::string_view gbk, std::size_t i) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    if (byte < 0x80) return {1, 1};
    const DecodeTable& table = DecodeTable::Instance();
    if (IsLead(byte) && i + 1 < gbk.size() && IsTrail(static_cast<unsigned char>(gbk[i + 1])))
        return {2, table.Pair(byte, static_cast<unsigned char>(gbk[i + 1])).length};
    return {1, table.Single(byte).length};
}

// Decodes gbk into utf8. Output is gathered in a small buffer and appended in blocks, which
// keeps the per-character work to one table load and one eight-byte copy. onCheckpoint(utf8,
// gbk) is told of one unit boundary at or after every kCheckpointSpacing bytes of output.
// Without kWrite nothing is written: only the output's length is followed, for a subject whose
// UTF-8 is known already, and the checkpoints fall where decoding would put them.
template <bool kWrite, typename OnCheckpoint>
void Decode(std::string_view gbk, std::string& utf8, std::size_t spacing, OnCheckpoint onCheckpoint) {
    const DecodeTable& table = DecodeTable::Instance();
    if constexpr (kWrite) {
        utf8.clear();
        utf8.reserve(gbk.size() + gbk.size() / 2 + 16);
    }
    constexpr std::size_t kBlock = 4096;
    char block[kBlock + sizeof(SingleForm)];
    std::size_t used = 0;      // bytes of block in use
    std::size_t produced = 0;  // bytes of UTF-8 so far, those in block included
    std::size_t nextCheckpoint = spacing;
    const auto flush = [&] {
        if constexpr (kWrite) utf8.append(block, used);
        used = 0;
    };
    std::size_t i = 0;
    while (i < gbk.size()) {
        if (produced >= nextCheckpoint) {
            onCheckpoint(produced, i);
            nextCheckpoint = produced + spacing;
        }
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            // A run of ASCII goes straight through, in pieces no longer than the spacing.
            const std::size_t ascii = AsciiPrefix(gbk.data() + i, std::min(gbk.size() - i, spacing));
            flush();
            if constexpr (kWrite) utf8.append(gbk.data() + i, ascii);
            i += ascii;
            produced += ascii;
            continue;
        }
        // A run of non-ASCII units, up to the next checkpoint or the block's end.
        const std::size_t stop = std::min(nextCheckpoint - produced, kBlock - used) + used;
        const std::size_t runFrom = used;
        while (used < stop && i < gbk.size()) {
            const auto lead = static_cast<unsigned char>(gbk[i]);
            if (lead < 0x80) break;
            std::size_t length;
            // A pair entry is empty for a byte that is no trail byte, so one load decides.
            const PairForm* pair = IsLead(lead) && i + 1 < gbk.size()
                                       ? &table.Pair(lead, static_cast<unsigned char>(gbk[i + 1]))
                                       : nullptr;
            if (pair && pair->length != 0) {
                if constexpr (kWrite) std::memcpy(block + used, pair, sizeof *pair);
                length = pair->length;
                i += 2;
            } else {
                const SingleForm& form = table.Single(lead);
                if constexpr (kWrite) std::memcpy(block + used, &form, sizeof form);
                length = form.length;
                i += 1;
            }
            used += length;
        }
        produced += used - runFrom;
        if (used >= kBlock) flush();
    }
    flush();
}

}  // namespace

GbkSubject::GbkSubject(Text gbk) : gbk_(TextFromBytes(std::move(gbk))) { MapOffsets(true); }

GbkSubject GbkSubject::FromUtf8(std::string utf8) {
    utf8 = TextFromBytes(std::move(utf8));
    bool comesBack = false;
    Text gbk = Utf8ToAnsi(utf8, comesBack);
    if (!comesBack) utf8 = std::string();  // freed before the decoding takes its place
    return FromConverted(std::move(gbk), std::move(utf8), comesBack);
}

GbkSubject GbkSubject::FromConverted(Text gbk, std::string utf8, bool comesBack) {
    GbkSubject subject;
    subject.gbk_ = TextFromBytes(std::move(gbk));
    if (comesBack) subject.utf8_ = TextFromBytes(std::move(utf8));
    else utf8 = std::string();
    subject.MapOffsets(!comesBack);
    return subject;
}

void GbkSubject::MapOffsets(bool decode) {
    checkpoints_.clear();
    checkpoints_.reserve(gbk_.size() / kCheckpointSpacing + 2);
    checkpoints_.push_back({0, 0});
    const auto onCheckpoint = [this](std::size_t utf8At, std::size_t gbkAt) {
        checkpoints_.push_back({static_cast<std::uint32_t>(utf8At), static_cast<std::uint32_t>(gbkAt)});
    };
    if (decode) Decode<true>(gbk_, utf8_, kCheckpointSpacing, onCheckpoint);
    else Decode<false>(gbk_, utf8_, kCheckpointSpacing, onCheckpoint);
}

std::size_t GbkSubject::ToGbkOffset(std::size_t utf8Offset, bool roundUp) const {
    if (utf8Offset >= utf8_.size()) return gbk_.size();
    // The last checkpoint at or before the offset; from there at most about two spacings of
    // output. Callers read offsets mostly in subject order, so the search starts from the
    // checkpoint found last time.
    std::size_t k = lastCheckpoint_;
    if (checkpoints_[k].utf8 > utf8Offset) {
        k = static_cast<std::size_t>(
                std::upper_bound(checkpoints_.begin(), checkpoints_.end(), utf8Offset,
                                 [](std::size_t u, const Checkpoint& c) { return u < c.utf8; }) -
                checkpoints_.begin()) - 1;
    } else {
        while (k + 1 < checkpoints_.size() && checkpoints_[k + 1].utf8 <= utf8Offset) ++k;
    }
    lastCheckpoint_ = k;
    const Checkpoint& from = checkpoints_[k];
    std::size_t u = from.utf8;
    std::size_t g = from.gbk;
    while (u < utf8Offset) {
        if (static_cast<unsigned char>(gbk_[g]) < 0x80) {
            // ASCII moves both offsets in step.
            const std::size_t ascii =
                std::max<std::size_t>(1, AsciiPrefix(gbk_.data() + g, std::min(gbk_.size() - g, utf8Offset - u)));
            u += ascii;
            g += ascii;
            continue;
        }
        const Unit unit = UnitAt(gbk_, g);
        if (u + unit.utf8Length > utf8Offset) return roundUp ? g + unit.gbkLength : g;
        u += unit.utf8Length;
        g += unit.gbkLength;
    }
    return g;
}

}  // namespace dq::services
