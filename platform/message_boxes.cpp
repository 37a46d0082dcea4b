#include "platform/message_boxes.h"

#include <algorithm>
#include <stdexcept>

namespace platform {

bool MessageBoxRequest::operator==(const MessageBoxRequest& other) const {
    return text == other.text && caption == other.caption && buttons == other.buttons &&
           defaultButton == other.defaultButton && icon == other.icon &&
           systemModal == other.systemModal && owner == other.owner;
}

std::vector<MessageAnswer> buttonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return {MessageAnswer::Ok};
        case MessageButtons::OkCancel:
            return {MessageAnswer::Ok, MessageAnswer::Cancel};
        case MessageButtons::YesNo:
            return {MessageAnswer::Yes, MessageAnswer::No};
        case MessageButtons::YesNoCancel:
            return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    }
    throw std::invalid_argument("unknown button set");
}

MessageAnswer effectiveDefault(const MessageBoxRequest& box) {
    const auto buttons = buttonsOf(box.buttons);
    if (!box.defaultButton) {
        return buttons.front();
    }
    if (std::find(buttons.begin(), buttons.end(), *box.defaultButton) == buttons.end()) {
        throw std::invalid_argument("the default button is not one of the box's buttons");
    }
    return *box.defaultButton;
}

std::wstring answerName(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Ok:
            return L"OK";
        case MessageAnswer::Cancel:
            return L"Cancel";
        case MessageAnswer::Yes:
            return L"Yes";
        case MessageAnswer::No:
            return L"No";
    }
    return L"?";
}

}  // namespace platform
