// The texts the picture window writes, byte for byte as the user sees them.
#pragma once

#include <string>

#include "web/encoding.h"
#include "web/gbk_literal.h"

namespace dq::picture_texts {

using namespace dq::literals;

// Fourteen heavy box-drawing lines: the rule under the week line.
inline const Text& Rule() { return "━━━━━━━━━━━━━━"_gbk; }
// The file dialog's filter of "二维码添加".
inline constexpr char kQrFilter[] = "文本文件(图片(*.jpg)";
// 透明标签1 when the pictures go beside the program, and before the folder otherwise.
inline const Text& InRunDirectory() { return "图片存在运行目录"_gbk; }
inline const Text& InFolder() { return "图片存在"_gbk; }

// The export failed: the file it was to write (UTF-8 path) and why (UTF-8).
inline Text NotExported(const std::string& file, const std::string& reason) {
    return "图片没有生成："_gbk + Utf8ToAnsi(file) + "\r\n"_gbk + "原因："_gbk +
           Utf8ToAnsi(reason);
}

}  // namespace dq::picture_texts
