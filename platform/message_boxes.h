#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };
// Error is the stop sign (hand), Information the asterisk.
enum class MessageIcon { None, Error, Warning, Information, Question };

// The native handle of a window that owns a box; 0 for none.
using OwnerWindow = std::uintptr_t;

// One box to show (not named MessageBox, which windows.h defines as a macro).
struct MessageBoxRequest {
    std::wstring text;
    std::wstring caption;
    MessageButtons buttons = MessageButtons::Ok;
    // The button that Enter presses; none means the first.
    std::optional<MessageAnswer> defaultButton;
    MessageIcon icon = MessageIcon::None;
    // Stays above every window until answered.
    bool systemModal = false;
    OwnerWindow owner = 0;

    bool operator==(const MessageBoxRequest& other) const;
};

// The buttons of a set, left to right.
std::vector<MessageAnswer> buttonsOf(MessageButtons buttons);
// The button Enter presses; throws std::invalid_argument when the box's default
// button is not one of its buttons.
MessageAnswer effectiveDefault(const MessageBoxRequest& box);
std::wstring answerName(MessageAnswer answer);

// The system's message boxes: shows one and waits for the user's answer.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageBoxRequest& box) = 0;
};

}  // namespace platform
