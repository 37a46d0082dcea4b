#pragma once

#include <vector>

#include "platform/keyboard.h"

namespace platform {

// The layouts the in-memory keyboard knows.
enum class MemoryLayout {
    UnitedStates,
    // The German layout's differences that matter to recording: AltGr (Ctrl
    // with Alt) types @ on Q, the euro sign on E and the braces and brackets
    // on 7 to 0, and the keys left of 1 and of Backspace are dead keys (^, and
    // the acute accent or ` with Shift). Other keys are as on the US layout.
    German,
};

// A keyboard held in memory, US unless told otherwise. Tests say which keys are
// held and whether Caps Lock is on; keys sent to the system and beeps are
// recorded instead of made. Translating has no side effect: a dead key types
// its accent each time and changes nothing for the next key.
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
    explicit MemoryKeyboard(MemoryLayout layout = MemoryLayout::UnitedStates) : layout_(layout) {}

    KeyboardState state() override { return state_; }
    int scanCode(int virtualKey) override;
    std::wstring translate(int virtualKey, const KeyboardState& state) override;
    void sendKeyDown(int virtualKey) override { sentKeyDowns_.push_back(virtualKey); }
    void beepAsterisk() override { ++asteriskBeeps_; }

    void press(int virtualKey);
    void release(int virtualKey);
    void setCapsLock(bool on);
    // The user switching the keyboard layout.
    void setLayout(MemoryLayout layout) { layout_ = layout; }

    // Virtual keys sent to the system, oldest first.
    const std::vector<int>& sentKeyDowns() const { return sentKeyDowns_; }
    int asteriskBeeps() const { return asteriskBeeps_; }

private:
    MemoryLayout layout_;
    KeyboardState state_{};
    std::vector<int> sentKeyDowns_;
    int asteriskBeeps_ = 0;
};

}  // namespace platform
