#include "sources/source_value.h"

#include <cstdio>

#include "web/gbk_literal.h"

namespace dq {

using namespace dq::literals;

Text NumberText(double number) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.13g", number);
    return Text(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

Text ValueText(const SourceValue& value) {
    switch (value.kind) {
        case SourceValue::Kind::Number:
            return NumberText(value.number);
        case SourceValue::Kind::String:
            return value.text;
        case SourceValue::Kind::Boolean:
            return value.flag ? "真"_gbk : "假"_gbk;
        case SourceValue::Kind::Null:
            break;
    }
    return {};
}

}  // namespace dq
