#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace platform {

// The modifier keys held when a key event happened.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool operator==(const ShiftState& other) const {
        return shift == other.shift && ctrl == other.ctrl && alt == other.alt;
    }
    bool operator!=(const ShiftState& other) const { return !(*this == other); }
};

// Windows virtual-key codes the program names.
namespace vk {
inline constexpr int kBackspace = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kEnter = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kCtrl = 0x11;
inline constexpr int kAlt = 0x12;
inline constexpr int kPause = 0x13;
inline constexpr int kCapsLock = 0x14;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kPrint = 0x2C;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
// Digits and letters are their own upper-case ASCII codes ('0', 'A').
inline constexpr int kLeftWin = 0x5B;
inline constexpr int kMenu = 0x5D;
inline constexpr int kNumpad0 = 0x60;
inline constexpr int kNumpad9 = 0x69;
inline constexpr int kF1 = 0x70;
inline constexpr int kF12 = 0x7B;
inline constexpr int kNumLock = 0x90;
inline constexpr int kScrollLock = 0x91;
inline constexpr int kLeftCtrl = 0xA2;
inline constexpr int kRightCtrl = 0xA3;
// The punctuation keys of a US keyboard.
inline constexpr int kSemicolon = 0xBA;
inline constexpr int kEquals = 0xBB;
inline constexpr int kComma = 0xBC;
inline constexpr int kMinus = 0xBD;
inline constexpr int kPeriod = 0xBE;
inline constexpr int kSlash = 0xBF;
inline constexpr int kBackquote = 0xC0;
inline constexpr int kOpenBracket = 0xDB;
inline constexpr int kBackslash = 0xDC;
inline constexpr int kCloseBracket = 0xDD;
inline constexpr int kQuote = 0xDE;
}  // namespace vk

// One byte per virtual key, indexed by its code: kKeyHeld is set while the key
// is down, kKeyToggled while a lock key (Caps Lock) is on.
using KeyboardState = std::array<uint8_t, 256>;
inline constexpr uint8_t kKeyHeld = 0x80;
inline constexpr uint8_t kKeyToggled = 0x01;

// The keyboard as the program uses it: what is held, which characters a key
// types, and injecting a key press.
class Keyboard {
public:
    virtual ~Keyboard() = default;

    // The state of every key as of the event being handled.
    virtual KeyboardState state() = 0;
    // The set-1 scan code the keyboard sends for a virtual key; 0 when none.
    virtual int scanCode(int virtualKey) = 0;
    // The characters the key types with the given keys held and toggled; empty
    // when it types none. A dead key gives its accent character.
    virtual std::wstring translate(int virtualKey, const KeyboardState& state) = 0;
    // Sends the system one key-down event of the key with its scan code, as if
    // it had been pressed.
    virtual void sendKeyDown(int virtualKey) = 0;
    // The system's asterisk (information) sound.
    virtual void beepAsterisk() = 0;
};

}  // namespace platform
