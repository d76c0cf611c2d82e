// A Windows-style profile (INI) file held as its lines, read and changed the way the Windows
// profile service does it: section and key names are found whatever their ASCII letter case,
// with the spaces around names and values trimmed; a change replaces the value where the key
// stands, appends a new key at the end of its section and a new section at the end of the
// file; every line that is not changed keeps its bytes, line end included.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "web/text.h"

namespace dq {

class IniDocument {
public:
    explicit IniDocument(std::string_view content = {});

    // The value of key in section without the ASCII spaces around it (full-width spaces
    // stay); nothing when the section or the key is missing.
    // The first section and the first key of a name count.
    std::optional<Text> value(std::string_view section, std::string_view key) const;

    // Sets key in section to value (a single line: the caller keeps CR and LF out of it).
    // New lines end with CR LF.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as bytes.
    Bytes content() const;

private:
    struct Line {
        Text body;    // without its line end
        Text ending;  // "\r\n", "\n" or "" for a last line without one
    };
    struct SectionRange {
        std::size_t header;  // index of the section line
        std::size_t end;     // one past its last line
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionRange& range, std::string_view key) const;
    void insertLine(std::size_t index, Text body);

    std::vector<Line> lines_;
};

}  // namespace dq
