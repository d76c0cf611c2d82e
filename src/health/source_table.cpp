#include "health/source_table.h"

#include <algorithm>

#include "web/encoding.h"

namespace dq {
namespace {

// Terminal columns of a UTF-8 text: CJK and full-width characters take two.
std::size_t Width(const std::string& utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // Three-byte sequences from U+1100 on are the wide ones in practice.
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string StatusText(int status) { return status == 0 ? "—" : std::to_string(status); }

std::string MatchText(int matches) {
    return matches < 0 ? "正则错误" : std::to_string(matches);
}

}  // namespace

const std::vector<std::string>& SourceTableHeaders() {
    static const std::vector<std::string> headers = {"页面", "信息源", "主机", "状态", "字节",
                                                     "毫秒", "匹配", "第一条标题"};
    return headers;
}

const std::string& NoMatchMark() {
    static const std::string mark = "✗ 无匹配";
    return mark;
}

std::vector<std::string> SourceTableRow(const SourceToCheck& source,
                                        const std::optional<SourceCheck>& check) {
    std::vector<std::string> cells = {AnsiToUtf8(source.page), AnsiToUtf8(source.name)};
    if (!check) return cells;
    cells.push_back(check->host);
    cells.push_back(StatusText(check->status));
    cells.push_back(std::to_string(check->bytes));
    cells.push_back(std::to_string(check->time.count()));
    cells.push_back(MatchText(check->matches));
    cells.push_back(check->matchesNothing() ? NoMatchMark() : AnsiToUtf8(check->firstHeadline));
    return cells;
}

std::string FormatSourceTable(const std::vector<SourceToCheck>& sources,
                              const std::vector<std::optional<SourceCheck>>& checks) {
    std::vector<std::vector<std::string>> rows = {SourceTableHeaders()};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        rows.push_back(SourceTableRow(sources[i], i < checks.size() ? checks[i] : std::nullopt));
    }
    std::vector<std::size_t> widths(SourceTableHeaders().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
    }
    std::string table;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - Width(row[c]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        table += line + "\n";
    }
    return table;
}

}  // namespace dq
