#include "platform/memory/memory_keyboard.h"

#include <map>
#include <string_view>

namespace platform {
namespace {

// What one key of the layout sends and types (0: types nothing).
struct KeyCap {
    int scanCode = 0;
    wchar_t plain = 0;
    wchar_t shifted = 0;
    wchar_t altGr = 0;
};

constexpr wchar_t kBackspaceCharacter = 0x08;
constexpr wchar_t kTabCharacter = 0x09;
constexpr wchar_t kEnterCharacter = 0x0D;
constexpr wchar_t kEscapeCharacter = 0x1B;
// Ctrl with a letter types the letter's code with only these bits kept.
constexpr wchar_t kControlCharacterBits = 0x1F;

// Keys of one row that send consecutive scan codes.
void addRow(std::map<int, KeyCap>& keys, std::wstring_view virtualKeys, int firstScanCode,
            std::wstring_view plain, std::wstring_view shifted) {
    for (size_t i = 0; i < virtualKeys.size(); ++i) {
        keys[virtualKeys[i]] = {firstScanCode + static_cast<int>(i), plain[i], shifted[i]};
    }
}

std::map<int, KeyCap> usLayout() {
    std::map<int, KeyCap> keys;
    addRow(keys, L"1234567890", 2, L"1234567890", L"!@#$%^&*()");
    addRow(keys, L"QWERTYUIOP", 16, L"qwertyuiop", L"QWERTYUIOP");
    addRow(keys, L"ASDFGHJKL", 30, L"asdfghjkl", L"ASDFGHJKL");
    addRow(keys, L"ZXCVBNM", 44, L"zxcvbnm", L"ZXCVBNM");
    keys[vk::kMinus] = {12, L'-', L'_'};
    keys[vk::kEquals] = {13, L'=', L'+'};
    keys[vk::kOpenBracket] = {26, L'[', L'{'};
    keys[vk::kCloseBracket] = {27, L']', L'}'};
    keys[vk::kSemicolon] = {39, L';', L':'};
    keys[vk::kQuote] = {40, L'\'', L'"'};
    keys[vk::kBackquote] = {41, L'`', L'~'};
    keys[vk::kBackslash] = {43, L'\\', L'|'};
    keys[vk::kComma] = {51, L',', L'<'};
    keys[vk::kPeriod] = {52, L'.', L'>'};
    keys[vk::kSlash] = {53, L'/', L'?'};
    keys[vk::kSpace] = {57, L' ', L' '};
    keys[vk::kEscape] = {1, kEscapeCharacter, kEscapeCharacter};
    keys[vk::kBackspace] = {14, kBackspaceCharacter, kBackspaceCharacter};
    keys[vk::kTab] = {15, kTabCharacter, kTabCharacter};
    keys[vk::kEnter] = {28, kEnterCharacter, kEnterCharacter};
    // The keypad digits in code order 0..9, with the scan codes of their keys.
    const int keypadScanCodes[] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
    for (int digit = 0; digit <= 9; ++digit) {
        const auto character = static_cast<wchar_t>(L'0' + digit);
        keys[vk::kNumpad0 + digit] = {keypadScanCodes[digit], character, character};
    }
    // Keys that type nothing. The navigation keys share their scan codes with
    // the keypad; the keyboard tells them apart by a prefix byte.
    const std::pair<int, int> silentKeys[] = {
        {vk::kCtrl, 29},     {vk::kShift, 42},      {vk::kAlt, 56},    {vk::kCapsLock, 58},
        {vk::kNumLock, 69},  {vk::kScrollLock, 70}, {vk::kHome, 71},   {vk::kUp, 72},
        {vk::kPageUp, 73},   {vk::kLeft, 75},       {vk::kRight, 77},  {vk::kEnd, 79},
        {vk::kDown, 80},     {vk::kPageDown, 81},   {vk::kInsert, 82}, {vk::kDelete, 83},
        {vk::kLeftCtrl, 29}, {vk::kRightCtrl, 29},
    };
    for (const auto& [virtualKey, scanCode] : silentKeys) {
        keys[virtualKey] = {scanCode};
    }
    // F1 to F10 send consecutive codes; F11 and F12 were added later, elsewhere.
    for (int n = 0; n < 10; ++n) {
        keys[vk::kF1 + n] = {59 + n};
    }
    keys[vk::kF12 - 1] = {87};
    keys[vk::kF12] = {88};
    return keys;
}

std::map<int, KeyCap> germanLayout() {
    std::map<int, KeyCap> keys = usLayout();
    const std::pair<int, wchar_t> altGrCharacters[] = {
        {'Q', L'@'}, {'E', L'\u20AC'}, {'7', L'{'}, {'8', L'['}, {'9', L']'}, {'0', L'}'},
    };
    for (const auto& [virtualKey, character] : altGrCharacters) {
        keys[virtualKey].altGr = character;
    }
    // The dead keys, by the codes the German layout gives them.
    constexpr int kCircumflexKey = 0xDC;
    constexpr int kAcuteKey = 0xDD;
    keys[kCircumflexKey] = {41, L'^', L'\u00B0'};
    keys[kAcuteKey] = {13, L'\u00B4', L'`'};
    return keys;
}

const std::map<int, KeyCap>& keysOf(MemoryLayout layout) {
    static const auto us = usLayout();
    static const auto german = germanLayout();
    return layout == MemoryLayout::German ? german : us;
}

const KeyCap* find(MemoryLayout layout, int virtualKey) {
    const auto& keys = keysOf(layout);
    const auto it = keys.find(virtualKey);
    return it == keys.end() ? nullptr : &it->second;
}

bool held(const KeyboardState& state, int virtualKey) {
    return state[virtualKey] & kKeyHeld;
}

bool isLetter(int virtualKey) {
    return virtualKey >= 'A' && virtualKey <= 'Z';
}

wchar_t typedCharacter(int virtualKey, const KeyCap& key, const KeyboardState& state) {
    const bool ctrl = held(state, vk::kCtrl);
    if (ctrl && held(state, vk::kAlt)) {
        return key.altGr;
    }
    if (ctrl) {
        return isLetter(virtualKey) ? static_cast<wchar_t>(virtualKey & kControlCharacterBits) : 0;
    }
    bool shifted = held(state, vk::kShift);
    if (isLetter(virtualKey) && (state[vk::kCapsLock] & kKeyToggled)) {
        shifted = !shifted;
    }
    return shifted ? key.shifted : key.plain;
}

}  // namespace

int MemoryKeyboard::scanCode(int virtualKey) {
    const KeyCap* key = find(layout_, virtualKey);
    return key ? key->scanCode : 0;
}

std::wstring MemoryKeyboard::translate(int virtualKey, const KeyboardState& state) {
    const KeyCap* key = find(layout_, virtualKey);
    const wchar_t character = key ? typedCharacter(virtualKey, *key, state) : 0;
    return character ? std::wstring(1, character) : std::wstring();
}

void MemoryKeyboard::press(int virtualKey) {
    state_.at(virtualKey) |= kKeyHeld;
}

void MemoryKeyboard::release(int virtualKey) {
    state_.at(virtualKey) &= static_cast<uint8_t>(~kKeyHeld);
}

void MemoryKeyboard::setCapsLock(bool on) {
    if (on) {
        state_[vk::kCapsLock] |= kKeyToggled;
    } else {
        state_[vk::kCapsLock] &= static_cast<uint8_t>(~kKeyToggled);
    }
}

}  // namespace platform
