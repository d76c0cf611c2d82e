// The one way an operation puts text on the clipboard: the system clipboard in the window, a
// recorder in tests.
#pragma once

#include "web/text.h"

namespace dq {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard content with text (GBK) as plain text. A clipboard that cannot be
    // opened keeps what it had; nothing is reported.
    virtual void setText(const Text& text) = 0;
};

}  // namespace dq
