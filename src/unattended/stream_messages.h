// Messages for a run without a window: every message, and the success window, becomes a line
// on a stream (standard error), in UTF-8, and nothing waits for a click. The run keeps what
// was said, to tell afterwards how it went.
#pragma once

#include <ostream>
#include <vector>

#include "workbench/messages.h"

namespace dq {

class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& stream) : stream_(stream) {}

    void show(const Text& text, MessageIcon icon = MessageIcon::None) override;
    void showSuccess() override;

    // Writes one line of the run's own (UTF-8) on the stream.
    void note(std::string_view utf8);

    // Whether text (GBK) was shown as a message.
    bool said(const Text& text) const;

private:
    std::ostream& stream_;
    std::vector<Text> shown_;
};

}  // namespace dq
