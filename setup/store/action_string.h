#pragma once

#include <array>
#include <string>

#include "setup/actions/macro.h"

// A device's shortcut actions for one application, as the driver reads them
// from the A value with the number of the record's P value: up to 11 entries
// back to back, each the button, key and action codes in two digits, and for a
// macro its stored length in two digits followed by the stored macro.
namespace setup {

struct ActionInfo {
    int buttonCode = 0;  // button bits: 8 Primary, 4 Secondary, 2 Aux1, 1 Aux2; 0 = empty slot
    int keyCode = 0;     // modifier bits: 1 Shift, 2 Ctrl, 4 Alt
    int actionCode = 0;
    int macroLength = 0;     // informational; the writer counts the stored text
    std::wstring macroText;  // displayed notation

    bool operator==(const ActionInfo& other) const {
        return buttonCode == other.buttonCode && keyCode == other.keyCode &&
               actionCode == other.actionCode && macroLength == other.macroLength &&
               macroText == other.macroText;
    }
    bool operator!=(const ActionInfo& other) const { return !(*this == other); }
};

inline constexpr int kUsableActions = 11;
// One slot more than can be used, so that a scan always ends on an empty one.
inline constexpr int kActionSlots = kUsableActions + 1;
inline constexpr int kMacroAction = 6;
// The stored length field has two digits.
inline constexpr int kLongestStoredMacro = 99;

using ActionTable = std::array<ActionInfo, kActionSlots>;

// The leading entries whose button code is not 0, at most 11.
int actionCount(const ActionTable& table);
void clearActions(ActionTable& table);

// Reads a stored action string into table (cleared first), at most 11 entries;
// returns false when entries after the eleventh were left out. Macros are turned
// into their displayed notation. One stray character after the last whole
// entry is ignored. A code that is not two decimal digits, or a
// macro running past the end, raises platform::ConversionError naming the field
// and its position; the entries read before it stay.
bool parseActionString(const std::wstring& text, ActionTable& table, MacroReporter& reporter);

// The table as its next write stores it: every macro fitted to its length
// field (FitMacro), so that what is shown is what will be stored. A macro the
// converter rejects is reported and becomes empty.
ActionTable storableActions(const ActionTable& table, MacroReporter& reporter);

// The stored form of the table's leading entries. A macro whose stored form
// would not fit its two-digit length loses whole symbols from its end until it
// does, so the string stays readable. A code outside 0..99 raises platform::Error.
std::wstring buildActionString(const ActionTable& table, MacroReporter& reporter);

}  // namespace setup
