#include "unattended/stream_messages.h"

#include <algorithm>

#include "web/encoding.h"
#include "web/text.h"
#include "workbench/message_texts.h"

namespace dq {
namespace {

// The caption of the message box: "信息：".
constexpr std::string_view kCaption = "信息：";

// A message over several lines stays one block of lines on the stream.
std::string Lines(const Text& gbk) {
    return AnsiToUtf8(text::ReplaceAll(gbk, "\r\n", "\n"));
}

}  // namespace

void StreamMessages::show(const Text& text, MessageIcon) {
    shown_.push_back(text);
    stream_ << kCaption << Lines(text) << '\n' << std::flush;
}

void StreamMessages::showSuccess() { note(AnsiToUtf8(messages::Success())); }

void StreamMessages::note(std::string_view utf8) { stream_ << utf8 << '\n' << std::flush; }

bool StreamMessages::said(const Text& text) const {
    return std::find(shown_.begin(), shown_.end(), text) != shown_.end();
}

}  // namespace dq
