// Readable SourceRows in test failures: the five texts, GBK shown as UTF-8.
#pragma once

#include <ostream>

#include "sources/source_row.h"
#include "web/encoding.h"

namespace dq {

inline void PrintTo(const SourceRow& row, std::ostream* out) {
    const auto shown = [](const Text& text) {
        return text.size() > 80 ? AnsiToUtf8(text.substr(0, 80)) + "...(" +
                                      std::to_string(text.size()) + " bytes)"
                                : AnsiToUtf8(text);
    };
    *out << "{" << shown(row.id) << " | " << shown(row.category) << " | " << shown(row.address)
         << " | " << shown(row.pattern) << " | " << shown(row.date) << "}";
}

}  // namespace dq
