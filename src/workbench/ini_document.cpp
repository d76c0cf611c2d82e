#include "workbench/ini_document.h"

#include <cstdint>
#include <utility>

namespace dq {
namespace {

constexpr std::string_view kNewLine = "\r\n";

std::int64_t Length(std::string_view text) { return static_cast<std::int64_t>(text.size()); }

// The name of a section line ("[name]", spaces around it and the name trimmed).
std::optional<Text> SectionName(std::string_view body) {
    const Text line = text::Trim(body);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = text::Find(line, "]", 2);
    const std::int64_t count = close == 0 ? Length(line) : static_cast<std::int64_t>(close) - 2;
    return text::Trim(text::Mid(line, 2, count));
}

// Position (1-based) of the equals sign of a key line, 0 for any other line.
std::size_t EqualsSign(std::string_view body) {
    if (SectionName(body)) return 0;
    return text::Find(body, "=");
}

Text KeyName(std::string_view body, std::size_t equals) {
    return text::Trim(text::Left(body, static_cast<std::int64_t>(equals) - 1));
}

bool IsBlank(std::string_view body) { return text::Trim(body).empty(); }

// A value loses the ASCII spaces around it, as a profile file's reader strips them, but keeps
// full-width spaces: a header "　早安　" that the program wrote must come back as written.
// A space byte is never the second byte of a GBK character, so bytes are safe to strip.
Text TrimAsciiSpaces(std::string_view value) {
    const std::size_t first = value.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return Text(value.substr(first, value.find_last_not_of(' ') - first + 1));
}

}  // namespace

IniDocument::IniDocument(std::string_view content) {
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        Line line;
        if (lf == std::string_view::npos) {
            line.body = Text(content);
            content = {};
        } else {
            const bool crlf = lf > 0 && content[lf - 1] == '\r';
            line.body = Text(content.substr(0, crlf ? lf - 1 : lf));
            line.ending = crlf ? Text(kNewLine) : Text("\n");
            content.remove_prefix(lf + 1);
        }
        lines_.push_back(std::move(line));
    }
}

std::optional<IniDocument::SectionRange> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].body);
        if (!name || !text::Equal(*name, text::Trim(section), true)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end].body)) ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const SectionRange& range,
                                                std::string_view key) const {
    const Text wanted = text::Trim(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const std::size_t equals = EqualsSign(lines_[i].body);
        if (equals != 0 && text::Equal(KeyName(lines_[i].body, equals), wanted, true)) return i;
    }
    return std::nullopt;
}

std::optional<Text> IniDocument::value(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index) return std::nullopt;
    const Text& body = lines_[*index].body;
    return TrimAsciiSpaces(
        text::Mid(body, static_cast<std::int64_t>(EqualsSign(body)) + 1, Length(body)));
}

void IniDocument::insertLine(std::size_t index, Text body) {
    // The line before the new one may be a last line without a line end.
    if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = Text(kNewLine);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  Line{std::move(body), Text(kNewLine)});
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const auto range = findSection(section);
    if (!range) {
        insertLine(lines_.size(), "[" + Text(section) + "]");
        insertLine(lines_.size(), Text(key) + "=" + Text(value));
        return;
    }
    if (const auto index = findKey(*range, key)) {
        Line& line = lines_[*index];
        line.body = KeyName(line.body, EqualsSign(line.body)) + "=" + Text(value);
        return;
    }
    // After the last line of the section that is not blank, so that blank lines separating it
    // from the next section stay where they are.
    std::size_t after = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (!IsBlank(lines_[i].body)) after = i;
    }
    insertLine(after + 1, Text(key) + "=" + Text(value));
}

Bytes IniDocument::content() const {
    Bytes bytes;
    for (const Line& line : lines_) bytes += line.body + line.ending;
    return bytes;
}

}  // namespace dq
