#include "setup/actions/key_name.h"

#include "setup/actions/macro.h"

#include <map>

namespace setup {
namespace {

namespace vk = platform::vk;

// Keys named the same with or without Shift.
const std::map<int, std::wstring>& modifierNames() {
    static const std::map<int, std::wstring> names = {
        {vk::kShift, L"Shift"}, {vk::kCtrl, L"Ctrl"}, {vk::kAlt, L"Alt"},
        {vk::kLeftWin, L"Win"}, {vk::kMenu, L"Menu"},
    };
    return names;
}

// Keys whose name carries the Shift mark when Shift is held.
const std::map<int, std::wstring>& shiftableNames() {
    static const std::map<int, std::wstring> names = [] {
        std::map<int, std::wstring> table = {
            {vk::kBackspace, L"Backspace"},
            {vk::kTab, L"Tab"},
            {vk::kEnter, L"Enter"},
            {vk::kPause, L"Pause"},
            {vk::kCapsLock, L""},
            {vk::kEscape, L"Esc"},
            {vk::kPageUp, L"PgUp"},
            {vk::kPageDown, L"PgDn"},
            {vk::kEnd, L"End"},
            {vk::kHome, L"Home"},
            {vk::kLeft, L"Left"},
            {vk::kUp, L"Up"},
            {vk::kRight, L"Right"},
            {vk::kDown, L"Down"},
            {vk::kPrint, L"Print"},
            {vk::kInsert, L"Ins"},
            {vk::kDelete, L"Del"},
            {vk::kScrollLock, L"Scroll Lock"},
        };
        for (int key = vk::kF1; key <= vk::kF12; ++key) {
            table[key] = L"F" + std::to_wstring(key - vk::kF1 + 1);
        }
        return table;
    }();
    return names;
}

const std::wstring* lookUp(const std::map<int, std::wstring>& names, int key) {
    const auto it = names.find(key);
    return it == names.end() ? nullptr : &it->second;
}

bool held(const platform::KeyboardState& state, int key) {
    return (state[key] & platform::kKeyHeld) != 0;
}

// The key's character. Ctrl with Alt is AltGr on many layouts: a character it
// types is what the user typed. Otherwise Ctrl is taken out of the state, so
// that Ctrl+C names "c" rather than the control character.
std::wstring typedCharacter(int key, platform::Keyboard& keyboard) {
    auto state = keyboard.state();
    if (TypedWithAltGr(key, keyboard)) {
        return keyboard.translate(key, state).substr(0, 1);
    }
    for (const int ctrl : {vk::kCtrl, vk::kLeftCtrl, vk::kRightCtrl}) {
        state[ctrl] &= static_cast<uint8_t>(~platform::kKeyHeld);
    }
    return keyboard.translate(key, state).substr(0, 1);
}

}  // namespace

bool TypedWithAltGr(int key, platform::Keyboard& keyboard) {
    constexpr wchar_t kFirstPrintable = L' ';
    const auto state = keyboard.state();
    if (!held(state, vk::kCtrl) || !held(state, vk::kAlt)) {
        return false;
    }
    const std::wstring typed = keyboard.translate(key, state);
    return !typed.empty() && typed.front() >= kFirstPrintable;
}

std::wstring KeyName(int key, platform::ShiftState shift, platform::Keyboard& keyboard) {
    if (const auto* name = lookUp(modifierNames(), key)) {
        return *name;
    }
    if (const auto* name = lookUp(shiftableNames(), key)) {
        return shift.shift ? std::wstring(kShiftMark) + *name : *name;
    }
    return typedCharacter(key, keyboard);
}

}  // namespace setup
