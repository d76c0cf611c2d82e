// A GBK subject decoded to UTF-8 for matching, with the way back: byte offsets in the UTF-8
// text map to byte offsets in the original GBK text, so a piece of a match is cut from the
// original bytes instead of being encoded again.
//
// Decoding goes through a table of every GBK character's UTF-8 form, filled once per process
// from AnsiToUtf8 (the code page converter), so the result is byte for byte what AnsiToUtf8
// gives for the whole text; pages are decoded in a few milliseconds instead of converted
// character run by character run.
#pragma once

#include "web/text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dq::services {

class GbkSubject {
public:
    GbkSubject() = default;
    // Keeps gbk (up to its first NUL) and decodes it.
    explicit GbkSubject(Text gbk);

    // The subject of a page that arrived as UTF-8: its text is Utf8ToAnsi(utf8), and the
    // UTF-8 it is matched on is that text decoded again, as for any other subject. When every
    // character of utf8 comes back unchanged from GBK, that decoding is utf8 itself, which is
    // then taken over instead of decoded; otherwise (a question mark for a character GBK
    // lacks, malformed input) the text is decoded.
    static GbkSubject FromUtf8(std::string utf8);
    // The same for a page converted already: gbk is Utf8ToAnsi(utf8, comesBack). utf8 is
    // taken over when comesBack and may be empty otherwise (gbk is decoded then).
    static GbkSubject FromConverted(Text gbk, std::string utf8, bool comesBack);

    const Text& Gbk() const { return gbk_; }
    const std::string& Utf8() const { return utf8_; }

    // The GBK offset of the character that begins at UTF-8 offset utf8Offset. An offset inside
    // the decoding of one GBK character (possible only for malformed input, where one GBK
    // unit decodes to "?" and a second character) maps to that unit's start, or with roundUp
    // to its end.
    std::size_t ToGbkOffset(std::size_t utf8Offset, bool roundUp = false) const;

private:
    // Fills checkpoints_ (and utf8_ when decode) from gbk_.
    void MapOffsets(bool decode);

    struct Checkpoint {
        std::uint32_t utf8;
        std::uint32_t gbk;
    };
    static constexpr std::size_t kCheckpointSpacing = 64;

    Text gbk_;
    std::string utf8_;
    // Unit boundaries (UTF-8 offset, GBK offset) in subject order, no more than about one
    // spacing of UTF-8 apart.
    std::vector<Checkpoint> checkpoints_;
    mutable std::size_t lastCheckpoint_ = 0;  // where the last lookup found its checkpoint
};

}  // namespace dq::services
