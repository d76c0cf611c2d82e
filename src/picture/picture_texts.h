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
// 透明标签1: where the pictures go. Beside the program (the portable layout) it says so;
// otherwise it names the folder (UTF-8 path).
inline Text FolderLabel(bool portable, const std::string& folder) {
    if (portable) return "图片存在运行目录"_gbk;
    return "图片存在"_gbk + Utf8ToAnsi(folder);
}

// "<what><file>" CR LF "原因：<reason>" (file and reason UTF-8).
inline Text FileProblem(const Text& what, const std::string& file, const std::string& reason) {
    return what + Utf8ToAnsi(file) + "\r\n" + "原因："_gbk + Utf8ToAnsi(reason);
}
// The export failed: the file it was to write and why.
inline Text NotExported(const std::string& file, const std::string& reason) {
    return FileProblem("图片没有生成："_gbk, file, reason);
}
// The picture was written but could not be read back for the robots.
inline Text NotPosted(const std::string& file, const std::string& reason) {
    return FileProblem("图片没有发到群："_gbk, file, reason);
}

}  // namespace dq::picture_texts
