// A value read from the source database, with its kind, and its text form.
#pragma once

#include "web/text.h"

namespace dq {

struct SourceValue {
    enum class Kind { Null, Number, String, Boolean };
    Kind kind = Kind::Null;
    double number = 0;  // Number (integers are widened)
    Text text;          // String, in GBK
    bool flag = false;  // Boolean: a number in a column declared BOOLEAN

    static SourceValue Of(double number) { return {Kind::Number, number, {}, false}; }
    static SourceValue Of(Text text) { return {Kind::String, 0, std::move(text), false}; }
    static SourceValue OfFlag(bool flag) { return {Kind::Boolean, 0, {}, flag}; }
};

// A number in "%.13g" form: a whole number has no decimal point.
Text NumberText(double number);

// The general value-to-text conversion: a text unchanged, a number in "%.13g" form, a
// boolean as "真" or "假", no value as empty Text.
Text ValueText(const SourceValue& value);

}  // namespace dq
