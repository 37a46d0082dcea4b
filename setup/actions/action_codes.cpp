#include "setup/actions/action_codes.h"

#include <algorithm>

namespace setup {

const std::array<CodeChoice, 10> kButtonChords = {{
    {L"Aux1", 2},
    {L"Aux2", 1},
    {L"Primary", 8},
    {L"Secondary", 4},
    {L"Prm+Sec", 12},
    {L"Prm+Aux1", 10},
    {L"Prm+Aux2", 9},
    {L"Sec+Aux1", 6},
    {L"Sec+Aux2", 5},
    {L"Aux1+Aux2", 3},
}};

const std::array<CodeChoice, 7> kModifierChoices = {{
    {L"{none}", 0},
    {L"Shift", 1},
    {L"Ctrl", 2},
    {L"Alt", 4},
    {L"Shift+Ctrl", 3},
    {L"Shift+Alt", 5},
    {L"Ctrl+Alt", 6},
}};

const std::array<OfferedAction, 8> kOfferedActions = {{
    {L"Swift Scroll", L"Swift Scroll", L"Causes Swift Scroll"},
    {L"Double Click", L"Double Click", L"Causes Double Click"},
    {L"Custom Text...", L"Custom Text Macro", L"Causes Playback of a Custom Key Sequence"},
    {L"Maximize", L"Maximize Current Window", L"Maximizes Current Window"},
    {L"Minimize", L"Minimize Current Window", L"Minimizes Current Window"},
    {L"Normal Size", L"Change Window Size to Normal", L"Changes Window Size to Normal"},
    {L"X Motion Only", L"Mouse Moves Horizontally Only", L"Mouse Moves Horizontally Only"},
    {L"Y Motion Only", L"Mouse Moves Vertically Only", L"Mouse Moves Vertically Only"},
}};

namespace {

struct NamedBit {
    int bit;
    const wchar_t* name;
};

// The tab lists buttons and keys in these orders, whatever the bit values.
constexpr NamedBit kChordNames[] = {{8, L"Pri"}, {4, L"Sec"}, {2, L"Aux1"}, {1, L"Aux2"}};
constexpr NamedBit kModifierNames[] = {{2, L"Ctrl"}, {4, L"Alt"}, {1, L"Shift"}};

struct ActionNaming {
    int code;
    const wchar_t* name;
    const wchar_t* description;
};

constexpr ActionNaming kActionNames[] = {
    {1, L"Primary Click", L"Primary Click"},
    {2, L"Secondary Click", L"Secondary Click"},
    {3, L"Middle Click", L"Middle Click"},
    {4, L"Swift Scroll", L"Swift Scroll"},
    {5, L"Double Click", L"Double Click"},
    {6, L"Custom Text Macro", L""},
    {7, L"Maximize", L"Maximize Current Window"},
    {8, L"Minimize", L"Minimize Current Window"},
    {9, L"Normal Size", L"Set Window to Normal Size"},
    {10, L"X Only", L"Mouse Only Moves Horizontally"},
    {11, L"Y Only", L"Mouse Only Moves Vertically"},
};

template <size_t N>
std::wstring joinedNames(const NamedBit (&names)[N], int bits) {
    std::wstring text;
    for (const auto& named : names) {
        if ((bits & named.bit) != 0) {
            text += (text.empty() ? L"" : L"+") + std::wstring(named.name);
        }
    }
    return text;
}

const ActionNaming* naming(int actionCode) {
    const auto* end = std::end(kActionNames);
    const auto* it = std::find_if(std::begin(kActionNames), end,
                                  [&](const ActionNaming& n) { return n.code == actionCode; });
    return it == end ? nullptr : it;
}

}  // namespace

std::wstring chordText(int buttonCode) {
    return joinedNames(kChordNames, buttonCode);
}

std::wstring modifierText(int keyCode) {
    return joinedNames(kModifierNames, keyCode);
}

std::wstring actionName(int actionCode) {
    const auto* n = naming(actionCode);
    return n == nullptr ? L"" : n->name;
}

std::wstring actionDescription(const ActionInfo& action) {
    if (action.actionCode == kMacroAction) {
        return action.macroText;
    }
    const auto* n = naming(action.actionCode);
    return n == nullptr ? L"" : n->description;
}

}  // namespace setup
