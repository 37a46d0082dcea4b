#pragma once

#include "platform/message_boxes.h"

namespace platform {

// The system's message boxes (MessageBoxW). A box that cannot be shown raises Error.
class Win32MessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& box) override;
};

}  // namespace platform
