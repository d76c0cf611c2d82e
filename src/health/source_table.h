// The health check's results as a table of text lines (UTF-8), one row per source: page,
// source, host, HTTP status, bytes, time, matches and the first headline, with a mark for the
// sources that match nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "health/source_check.h"

namespace dq {

// The column headers, in order.
const std::vector<std::string>& SourceTableHeaders();

// The cells of one row (UTF-8); a source not yet checked has only its page and name.
std::vector<std::string> SourceTableRow(const SourceToCheck& source,
                                        const std::optional<SourceCheck>& check);

// The mark of a source that matches nothing.
const std::string& NoMatchMark();

// The whole table, columns aligned for a terminal.
std::string FormatSourceTable(const std::vector<SourceToCheck>& sources,
                              const std::vector<std::optional<SourceCheck>>& checks);

}  // namespace dq
