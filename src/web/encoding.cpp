#include "web/encoding.h"
#include "web/gbk_table_state.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace dq {
namespace {

constexpr const char* kGbkName = "windows-936-2000";  // Windows code page 936, 0x80 = euro
constexpr const char* kUtf8Name = "UTF-8";

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Malformed input decodes to a question mark, as the code page service's default character.
void QuestionMarkToUnicode(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                           UConverterCallbackReason reason, UErrorCode* err) {
    if (reason > UCNV_IRREGULAR) return;  // reset, close, clone: nothing to write
    static const UChar kQuestion[] = {u'?'};
    *err = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, kQuestion, 1, 0, err);
}

// Opens a converter that writes "?" for what it cannot encode and reads "?" for what it
// cannot decode.
Converter Open(const char* name) {
    UErrorCode err = U_ZERO_ERROR;
    Converter conv(ucnv_open(name, &err));
    if (U_FAILURE(err)) return nullptr;
    ucnv_setSubstChars(conv.get(), "?", 1, &err);
    ucnv_setToUCallBack(conv.get(), QuestionMarkToUnicode, nullptr, nullptr, nullptr, &err);
    return conv;
}

std::string_view UpToNul(std::string_view bytes) {
    const auto nul = bytes.find('\0');
    return nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
}

// Converts bytes from one code page to another through a UTF-16 pivot. The output buffer
// grows until the whole input is converted, so nothing is ever cut short.
std::string Convert(std::string_view input, const char* from, const char* to) {
    input = UpToNul(input);
    if (input.empty()) return {};
    Converter source = Open(from);
    Converter target = Open(to);
    if (!source || !target) return {};
    std::string out(input.size() * 2 + 16, '\0');
    const char* src = input.data();
    const char* const srcEnd = input.data() + input.size();
    char* dst = out.data();
    UChar pivot[4096];
    UChar* pivotSource = pivot;
    UChar* pivotTarget = pivot;
    bool reset = true;
    for (;;) {
        UErrorCode err = U_ZERO_ERROR;
        char* const dstEnd = out.data() + out.size();
        ucnv_convertEx(target.get(), source.get(), &dst, dstEnd, &src, srcEnd, pivot,
                       &pivotSource, &pivotTarget, pivot + std::size(pivot), reset, true, &err);
        reset = false;
        if (err != U_BUFFER_OVERFLOW_ERROR) {
            if (U_FAILURE(err)) return {};
            break;
        }
        const auto used = static_cast<std::size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return TextFromBytes(out);
}

// The GBK form of every BMP character, as Convert gives it, filled once per process. An entry
// holds the one or two output bytes in memory order; a two-byte form always begins with a lead
// byte (0x81 and above) and a one-byte form never does, so the first byte tells the length.
// Zero marks a character whose form does not fit that shape; text holding one takes the
// converter instead.
class GbkFormTable {
public:
    static const GbkFormTable& Instance() {
        static const GbkFormTable table = [] {
            GbkFormTable filling;
            filled_.store(true, std::memory_order_release);
            return filling;
        }();
        return table;
    }
    static bool Filled() { return filled_.load(std::memory_order_acquire); }

    std::uint16_t Form(UChar32 c) const { return forms_[static_cast<std::size_t>(c)]; }
    static std::size_t Length(std::uint16_t form) {
        return static_cast<unsigned char>(form & 0xFF) >= 0x81 ? 2 : 1;
    }

private:
    // One conversion of every character from U+0080 on, each followed by a line feed: no
    // GBK form contains the line feed byte, so the pieces between line feeds are the forms.
    GbkFormTable() : forms_(0x10000, 0) {
        std::string utf8;
        utf8.reserve(0x10000 * 4);
        for (UChar32 c = 0x80; c <= 0xFFFF; ++c) {
            if (U_IS_SURROGATE(c)) continue;
            char bytes[U8_MAX_LENGTH];
            std::int32_t n = 0;
            U8_APPEND_UNSAFE(bytes, n, c);
            utf8.append(bytes, static_cast<std::size_t>(n));
            utf8 += '\n';
        }
        const std::string gbk = Convert(utf8, kUtf8Name, kGbkName);
        std::size_t from = 0;
        for (UChar32 c = 0x80; c <= 0xFFFF && from < gbk.size(); ++c) {
            if (U_IS_SURROGATE(c)) continue;
            const std::size_t to = std::min(gbk.find('\n', from), gbk.size());
            const std::string_view piece(gbk.data() + from, to - from);
            from = to + 1;
            const auto first = piece.empty() ? 0u : static_cast<unsigned char>(piece[0]);
            const bool fits = (piece.size() == 1 && first != 0 && first < 0x81) ||
                              (piece.size() == 2 && first >= 0x81);
            if (!fits) continue;
            std::uint16_t form = 0;
            std::memcpy(&form, piece.data(), piece.size());
            forms_[static_cast<std::size_t>(c)] = form;
        }
    }

    std::vector<std::uint16_t> forms_;
    static inline std::atomic<bool> filled_{false};
};

// Filling the form table costs as much as converting some hundred kilobytes through the
// converter, so the few short texts a start converts (captions, preset values) go through the
// converter while the table is not filled yet, up to this many bytes in all; the conversion
// that would pass the budget fills the table, and every one after it uses the table.
constexpr std::size_t kBytesBeforeTable = 16 * 1024;

// Whether input takes the converter instead of the not yet filled form table; counts its
// bytes against the budget when it does.
bool ConvertWithoutTable(std::string_view input) {
    static std::atomic<std::size_t> spent{0};
    if (GbkFormTable::Filled()) return false;
    const std::size_t before = spent.fetch_add(input.size(), std::memory_order_relaxed);
    return before + input.size() <= kBytesBeforeTable;
}

// Which characters' GBK forms decode back to the characters themselves (false for one GBK
// only approximates or lacks), filled on first use, apart from the form table: only the
// conversions that are asked whether their text comes back need it, and start-up does not.
class ComesBackTable {
public:
    static const ComesBackTable& Instance() {
        static const ComesBackTable table;
        return table;
    }
    bool ComesBack(UChar32 c) const { return comesBack_[static_cast<std::size_t>(c)]; }

private:
    // One decoding of every form, each followed by a line feed, compared with the characters.
    ComesBackTable() {
        const GbkFormTable& forms = GbkFormTable::Instance();
        std::string gbk;
        gbk.reserve(0x10000 * 3);
        for (UChar32 c = 0x80; c <= 0xFFFF; ++c) {
            const std::uint16_t form = forms.Form(c);
            if (form == 0) continue;
            gbk.append(reinterpret_cast<const char*>(&form), GbkFormTable::Length(form));
            gbk += '\n';
        }
        const std::string decoded = Convert(gbk, kGbkName, kUtf8Name);
        std::size_t from = 0;
        for (UChar32 c = 0x80; c <= 0xFFFF && from < decoded.size(); ++c) {
            if (forms.Form(c) == 0) continue;
            const std::size_t to = std::min(decoded.find('\n', from), decoded.size());
            char bytes[U8_MAX_LENGTH];
            std::int32_t n = 0;
            U8_APPEND_UNSAFE(bytes, n, c);
            comesBack_[static_cast<std::size_t>(c)] =
                std::string_view(decoded.data() + from, to - from) ==
                std::string_view(bytes, static_cast<std::size_t>(n));
            from = to + 1;
        }
    }

    std::vector<bool> comesBack_ = std::vector<bool>(0x10000, false);
};

// Whether none of the eight bytes at p has its high bit set.
bool AsciiWord(const unsigned char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x8080808080808080ULL) == 0;
}

// Output gathered in a small block and appended to the string in pieces, so the string's
// room (reserved for the longest possible output) is touched only as far as it is used: a
// page's GBK text takes the memory of its own size, not that of its UTF-8 input.
class BlockWriter {
public:
    BlockWriter(std::string& out, std::size_t room) : out_(out) { out_.reserve(room); }
    ~BlockWriter() { Flush(); }

    // Room for count more bytes (count <= kSlack) at Next().
    void Ensure(std::size_t count) {
        if (used_ + count > kBlock + kSlack) Flush();
    }
    char* Next() { return block_ + used_; }
    void Advance(std::size_t count) { used_ += count; }
    std::size_t Total() const { return out_.size() + used_; }
    // Drops what was written after total bytes.
    void CutTo(std::size_t total) {
        if (total >= out_.size()) {
            used_ = total - out_.size();
        } else {
            out_.resize(total);
            used_ = 0;
        }
    }
    void Append(std::string_view bytes) {
        Flush();
        out_.append(bytes);
    }
    void Flush() {
        out_.append(block_, used_);
        used_ = 0;
    }

private:
    static constexpr std::size_t kBlock = 4096;
    static constexpr std::size_t kSlack = 8;
    std::string& out_;
    char block_[kBlock + kSlack];
    std::size_t used_ = 0;
};

// UTF-8 to GBK. ASCII is the same in both and is copied; every other character is looked up
// in the table. A run of non-ASCII bytes that holds anything the table does not cover
// (malformed UTF-8, a character beyond the BMP) goes through the converter as a whole: no
// malformed sequence reaches past an ASCII byte, so converting the run alone gives the bytes
// the converter gives for it inside the whole text.
// With comesBack, also tells whether decoding the output again gives the input back: every
// character went through the table and its form decodes to the character itself.
std::string Utf8ToGbk(std::string_view input, bool* comesBack = nullptr) {
    if (comesBack != nullptr) *comesBack = true;
    input = UpToNul(input);
    if (comesBack == nullptr && ConvertWithoutTable(input))
        return Convert(input, kUtf8Name, kGbkName);
    const GbkFormTable& table = GbkFormTable::Instance();
    const ComesBackTable* back = comesBack != nullptr ? &ComesBackTable::Instance() : nullptr;
    const auto* const src = reinterpret_cast<const unsigned char*>(input.data());
    const auto n = static_cast<std::int32_t>(input.size());
    std::string out;
    {
        // GBK never takes more bytes than UTF-8 for a character the table covers.
        BlockWriter writer(out, input.size());
        std::int32_t i = 0;
        while (i < n) {
            while (i + 8 <= n && AsciiWord(src + i)) {
                writer.Ensure(8);
                std::memcpy(writer.Next(), src + i, 8);
                writer.Advance(8);
                i += 8;
            }
            while (i < n && src[i] < 0x80) {
                writer.Ensure(1);
                *writer.Next() = static_cast<char>(src[i++]);
                writer.Advance(1);
            }
            const std::int32_t runStart = i;
            const std::size_t runOut = writer.Total();
            bool covered = true;
            while (i < n && src[i] >= 0x80) {
                UChar32 c;
                U8_NEXT(src, i, n, c);
                const std::uint16_t form = c >= 0 && c <= 0xFFFF ? table.Form(c) : 0;
                if (form == 0) {
                    covered = false;
                    break;
                }
                if (back != nullptr && !back->ComesBack(c)) *comesBack = false;
                writer.Ensure(sizeof form);
                std::memcpy(writer.Next(), &form, sizeof form);
                writer.Advance(GbkFormTable::Length(form));
            }
            if (covered) continue;
            while (i < n && src[i] >= 0x80) ++i;
            writer.CutTo(runOut);
            const std::string_view run = input.substr(static_cast<std::size_t>(runStart),
                                                      static_cast<std::size_t>(i - runStart));
            const std::string converted = Convert(run, kUtf8Name, kGbkName);
            // Rare (characters beyond the table, malformed bytes): asked directly.
            if (comesBack != nullptr && *comesBack)
                *comesBack = Convert(converted, kGbkName, kUtf8Name) == run;
            writer.Append(converted);
        }
    }
    return out;
}

// Decodes GBK into UTF-16 code units.
std::u16string DecodeGbk(std::string_view ansi) {
    ansi = UpToNul(ansi);
    if (ansi.empty()) return {};
    Converter conv = Open(kGbkName);
    if (!conv) return {};
    std::u16string units(ansi.size() + 1, u'\0');
    UErrorCode err = U_ZERO_ERROR;
    const std::int32_t n = ucnv_toUChars(conv.get(), units.data(),
                                         static_cast<std::int32_t>(units.size()), ansi.data(),
                                         static_cast<std::int32_t>(ansi.size()), &err);
    if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) return {};
    units.resize(static_cast<std::size_t>(n));
    return units;
}

// A GBK converter that stops at the first character it cannot encode.
Converter OpenStrictGbk() {
    UErrorCode err = U_ZERO_ERROR;
    Converter conv(ucnv_open(kGbkName, &err));
    if (U_SUCCESS(err)) {
        ucnv_setFromUCallBack(conv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &err);
    }
    return U_SUCCESS(err) ? std::move(conv) : nullptr;
}

// Whether GBK has a character for every code point of units (no substitution needed).
bool GbkEncodes(UConverter* strict, const std::u16string& units) {
    std::string out(units.size() * 2 + 8, '\0');
    UErrorCode err = U_ZERO_ERROR;
    ucnv_fromUChars(strict, out.data(), static_cast<std::int32_t>(out.size()), units.data(),
                    static_cast<std::int32_t>(units.size()), &err);
    return U_SUCCESS(err);
}

// Composes each base letter with the combining marks that follow it where GBK has the
// composed letter; otherwise, and for every other character, the units stay exactly as they
// are (no singleton or compatibility mappings), so the base letter survives and only a mark
// GBK lacks becomes a question mark.
std::u16string ComposeMarks(const std::u16string& units) {
    UErrorCode err = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&err);
    if (U_FAILURE(err)) return units;
    Converter strict;  // opened for the first run of marks only
    std::u16string out;
    out.reserve(units.size());
    std::size_t i = 0;
    while (i < units.size()) {
        std::size_t end = i + 1;
        while (end < units.size() && u_getCombiningClass(units[end]) > 0) ++end;
        if (end - i == 1) {
            out.push_back(units[i]);
        } else {
            std::u16string run(units, i, end - i);
            std::u16string composed(run.size() * 3, u'\0');
            err = U_ZERO_ERROR;
            const std::int32_t n = unorm2_normalize(
                nfc, run.data(), static_cast<std::int32_t>(run.size()), composed.data(),
                static_cast<std::int32_t>(composed.size()), &err);
            composed.resize(U_SUCCESS(err) ? static_cast<std::size_t>(n) : 0);
            if (!strict) strict = OpenStrictGbk();
            const bool useComposed = !composed.empty() && composed != run && strict &&
                                     GbkEncodes(strict.get(), composed);
            out += useComposed ? composed : run;
        }
        i = end;
    }
    return out;
}

}  // namespace

Text TextFromBytes(std::string_view bytes) { return Text(UpToNul(bytes)); }

bool GbkFormTableFilled() { return GbkFormTable::Filled(); }

Text Utf8ToAnsi(std::string_view utf8) { return Utf8ToGbk(utf8); }

Text Utf8ToAnsi(std::string_view utf8, bool& comesBack) { return Utf8ToGbk(utf8, &comesBack); }

Text TextFromBytes(Bytes&& bytes) {
    const std::size_t nul = bytes.find('\0');
    if (nul != Bytes::npos) bytes.resize(nul);
    return std::move(bytes);
}

Text AnsiToUtf8(std::string_view ansi) { return Convert(ansi, kGbkName, kUtf8Name); }

Bytes AnsiToUtf16(std::string_view ansi, bool leaveTerminatorOff) {
    const std::u16string units = DecodeGbk(ansi);
    if (units.empty()) return {};
    Bytes out;
    out.reserve(units.size() * 2 + 2);
    for (const char16_t u : units) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    if (!leaveTerminatorOff) out.append(2, '\0');
    return out;
}

Text Utf16ToAnsi(std::string_view utf16le) {
    std::u16string units;
    units.reserve(utf16le.size() / 2);
    for (std::size_t i = 0; i + 1 < utf16le.size(); i += 2) {
        const auto u = static_cast<char16_t>(static_cast<unsigned char>(utf16le[i]) |
                                             (static_cast<unsigned char>(utf16le[i + 1]) << 8));
        if (u == 0) break;
        units.push_back(u);
    }
    if (units.empty()) return {};
    units = ComposeMarks(units);
    Converter conv = Open(kGbkName);
    if (!conv) return {};
    std::string out(units.size() * 2 + 8, '\0');
    UErrorCode err = U_ZERO_ERROR;
    const std::int32_t n =
        ucnv_fromUChars(conv.get(), out.data(), static_cast<std::int32_t>(out.size()),
                        units.data(), static_cast<std::int32_t>(units.size()), &err);
    if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) return {};
    out.resize(static_cast<std::size_t>(n));
    return TextFromBytes(out);
}

std::optional<Text> CharsetToAnsi(std::string_view bytes, std::string_view charset) {
    if (charset.empty()) return std::nullopt;  // ICU would open its default set for ""
    Converter named = Open(std::string(charset).c_str());
    if (!named) return std::nullopt;
    UErrorCode err = U_ZERO_ERROR;
    const std::string canonical = ucnv_getName(named.get(), &err);
    if (U_FAILURE(err)) return std::nullopt;
    if (canonical == kUtf8Name) {
        std::string_view utf8 = UpToNul(bytes);
        // A byte order mark (U+FEFF) in front of the page is no part of its text.
        constexpr std::string_view kByteOrderMark = "\uFEFF";
        if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
        return Utf8ToGbk(utf8);
    }
    return Convert(bytes, canonical.c_str(), kGbkName);
}

}  // namespace dq
