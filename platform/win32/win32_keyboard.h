#pragma once

#include "platform/keyboard.h"

namespace platform {

// The real keyboard: the calling thread's key state, the active layout's scan
// codes and characters, and key events injected into the system's input.
class Win32Keyboard : public Keyboard {
public:
    KeyboardState state() override;
    int scanCode(int virtualKey) override;
    std::wstring translate(int virtualKey, const KeyboardState& state) override;
    void sendKeyDown(int virtualKey) override;
    void beepAsterisk() override;
};

}  // namespace platform
