// JsonReader: turns the JSON answer of a web interface into a value, gives the value back as
// compact JSON text, and reads a top-level member of an object value as text.
//
//   JsonReader reader;
//   JsonValue document = reader.Parse(answer);          // GBK Text in
//   Text compact = reader.ToJsonText();                 // {"Name":"...","Short API":{...}}
//   Text name = JsonReader::MemberText(document, "Name");
//
// Parsing is strict JSON (RFC 8259): a document with trailing text, comments, single quotes
// or a leading byte order mark is not JSON. Where a name occurs twice in one object the first
// position and the last value count, as in an ECMAScript object literal. Failures give empty
// results, never a message.
#pragma once

#include <nlohmann/json.hpp>

#include <memory>

#include "web/text.h"

namespace dq {

// A parsed value, or the empty value (a null pointer) that stands for "no result".
using JsonValue = std::shared_ptr<const nlohmann::ordered_json>;

class JsonReader {
public:
    // The value text denotes, which also becomes the current value; the empty value when text
    // is not JSON.
    JsonValue Parse(const Text& text);

    // The compact JSON text of the current value (see services/json_text.h) as GBK Text, a
    // question mark for what GBK lacks; empty before a successful Parse.
    Text ToJsonText() const;

    // Member name of an object value, as text: a string gives its characters, a number its
    // ECMAScript text, anything else its compact JSON text. The name is matched exactly
    // first, else against the first member whose name differs only in ASCII letter case.
    // Empty when the value is empty, not an object, or has no such member.
    static Text MemberText(const JsonValue& value, const Text& name);

private:
    JsonValue current_;
};

}  // namespace dq
