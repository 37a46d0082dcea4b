#pragma once

// How tests configure the stand-in applet library and where it reports. Each
// setting is read again on every CPL_INIT.
namespace standins {

// Applet names in index order, separated by commas; unset means "Mouse,Keyboard".
inline constexpr wchar_t kTMainAppletsVariable[] = L"TMAIN_APPLETS";
inline constexpr wchar_t kTMainDefaultApplets[] = L"Mouse,Keyboard";

// "ansi" answers CPL_NEWINQUIRE in the ANSI form of the record; anything else, the wide one.
inline constexpr wchar_t kTMainRecordVariable[] = L"TMAIN_RECORD";
inline constexpr wchar_t kTMainAnsiRecord[] = L"ansi";

// The journal lies beside the library: one line per message received,
// "<message> <window> <lParam1> <lParam2>", the message in decimal and the rest
// in hexadecimal with a 0x prefix.
inline constexpr wchar_t kTMainJournalFile[] = L"TMain.journal";

}  // namespace standins
