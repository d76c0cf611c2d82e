// The skin file: the byte block the skin engine is handed with its length.
//
//   bytes 0-5    ".SHE" 0x00 0x03: the mark of a skin file and the format number 3
//   bytes 6-9    the length of the payload, a 32-bit little-endian number
//   bytes 10-    the payload: a Qt style sheet in UTF-8
//
// The built-in files are written by tools/gen_skins; their rules only match widgets that the
// engine has marked as skinned (see appearance/skin_exempt.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dq {

inline constexpr std::string_view kSkinFileMark{".SHE\0\x03", 6};
inline constexpr std::size_t kSkinFileHeaderSize = 10;

// The style sheet a skin file carries, or nothing when the file is malformed: another mark,
// a length that does not match the bytes that follow (a file cut short, or bytes after the
// payload), a payload that is not UTF-8, or one whose braces do not pair up outside comments
// and strings. Qt drops a whole style sheet it cannot parse, which would strip the current
// look, so a sheet that cannot be sound is refused here.
std::optional<std::string> SkinStyleSheet(std::string_view file);

}  // namespace dq
