// The one way any operation shows a message or the success window to the user. Services never show anything; the
// handlers and the content builders they call report through a Messages sink, which the main
// window forwards to its message box wrapper and tests record.
#pragma once

#include "web/text.h"

namespace dq {

enum class MessageIcon { None, Error, Warning, Information, Question };

class Messages {
public:
    virtual ~Messages() = default;
    // Shows text (GBK) modally under the caption "信息：" and returns when it is closed.
    virtual void show(const Text& text, MessageIcon icon = MessageIcon::None) = 0;
    // Opens the modal SuccessWindow ("恭喜你，操作成功!") and returns when it is closed.
    virtual void showSuccess() = 0;
};

}  // namespace dq
