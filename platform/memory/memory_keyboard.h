#pragma once

#include <vector>

#include "platform/keyboard.h"

namespace platform {

// A US keyboard held in memory. Tests say which keys are held and whether Caps
// Lock is on; keys sent to the system and beeps are recorded instead of made.
//
// Translation follows the US layout: letters (upper case when Shift or Caps
// Lock, not both, is on), digits and their shifted symbols, the punctuation
// keys, space, the numeric keypad digits, and the control characters of
// Backspace, Tab, Enter and Esc. With Ctrl held a letter types its control
// character and every other key types nothing; Ctrl with Alt (AltGr) types
// nothing at all, as the US layout has no AltGr characters. Alt alone changes
// nothing.
class MemoryKeyboard : public Keyboard {
public:
    KeyboardState state() override { return state_; }
    int scanCode(int virtualKey) override;
    std::wstring translate(int virtualKey, const KeyboardState& state) override;
    void sendKeyDown(int virtualKey) override { sentKeyDowns_.push_back(virtualKey); }
    void beepAsterisk() override { ++asteriskBeeps_; }

    void press(int virtualKey);
    void release(int virtualKey);
    void setCapsLock(bool on);

    // Virtual keys sent to the system, oldest first.
    const std::vector<int>& sentKeyDowns() const { return sentKeyDowns_; }
    int asteriskBeeps() const { return asteriskBeeps_; }

private:
    KeyboardState state_{};
    std::vector<int> sentKeyDowns_;
    int asteriskBeeps_ = 0;
};

}  // namespace platform
