#pragma once

#include <string>
#include <string_view>

// The two notations of a keystroke macro: the displayed one the user edits
// ("{Ctrl-Dn}c{Ctrl-Up}") and the stored one the driver plays ("{<}c{~<}"), and
// the symbol scan they share. The names of keys as the capture editor records
// them are in key_name.h.
namespace setup {

// Where the converters report a problem: the window shows a message box, the
// command-line tool prints to stderr. After a report the converter returns "".
class MacroReporter {
public:
    virtual ~MacroReporter() = default;
    virtual void report(const std::wstring& message) = 0;
};

// The mark before a displayed key name pressed with Shift held ("{Sh-Tab}").
inline constexpr std::wstring_view kShiftMark = L"Sh-";

// Display notation to stored notation, and back.
std::wstring MacroToRegistry(const std::wstring& display, MacroReporter& reporter);
std::wstring MacroFromRegistry(const std::wstring& stored, MacroReporter& reporter);

// A displayed macro as it can be stored in at most a given number of
// characters, and its stored form.
struct FittedMacro {
    std::wstring display;
    std::wstring stored;
};
// Cuts whole symbols from the end of display until its stored form fits
// longest characters, with every modifier still pressed in the kept part
// released at its end: a cut macro never leaves Ctrl, Alt, Shift or the Windows
// key held down. A macro the converter rejects is reported once and fits as an
// empty one.
FittedMacro FitMacro(const std::wstring& display, size_t longest, MacroReporter& reporter);

// Whether the displayed macro can be stored; when not, the converter's
// problem goes to reporter.
bool MacroConverts(const std::wstring& display, MacroReporter& reporter);

// The symbol scan on display text; positions are 1-based.
// The position just after the symbol that contains position n (length + 2 when
// the text ends first).
int SymbolEndAfter(const std::wstring& text, int n);
// The last position up to n at which a symbol ends (0 when none).
int SymbolStartBefore(const std::wstring& text, int n);

}  // namespace setup
