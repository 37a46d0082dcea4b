#pragma once

#include <array>
#include <string>

#include "setup/store/action_string.h"

// What the codes of a shortcut action mean, and how the Actions tab and the
// new-action page name them.
namespace setup {

struct CodeChoice {
    const wchar_t* text;
    int code;
};

// The items of the button box and of the modifier box, in list order.
extern const std::array<CodeChoice, 10> kButtonChords;
extern const std::array<CodeChoice, 7> kModifierChoices;

// The action box offers codes 4 to 11, item index = code - 4.
inline constexpr int kFirstOfferedAction = 4;
inline constexpr int kLastOfferedAction = 11;
inline constexpr int kPrimaryChord = 8;
inline constexpr int kSecondaryChord = 4;

struct OfferedAction {
    const wchar_t* item;                 // the action box's item
    const wchar_t* pageDescription;      // shown when chosen
    const wchar_t* dropDownDescription;  // shown while the list draws the item
};
extern const std::array<OfferedAction, 8> kOfferedActions;

// The Actions tab's columns for one entry: "Pri+Aux1", "Ctrl+Shift", the
// action's name and its description (a macro's displayed text for code 6).
std::wstring chordText(int buttonCode);
std::wstring modifierText(int keyCode);
std::wstring actionName(int actionCode);
std::wstring actionDescription(const ActionInfo& action);

// Item index of a code in a choice list, or -1.
template <size_t N>
int choiceIndex(const std::array<CodeChoice, N>& choices, int code) {
    for (size_t i = 0; i < N; ++i) {
        if (choices[i].code == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace setup
